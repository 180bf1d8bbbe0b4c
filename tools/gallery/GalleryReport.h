#pragma once
// What saruvi-gallery --report prints on standard output for a script that drives the gallery:
// once the windows are up, the screen points of the Design switch, the Edit menu's title, the
// palette's buttons, the form's client origin and the designed form's controls (their middles and
// bounds), then "ready"; on every selection the selected component and the points of the
// inspector's editors; after every change of the form the bounds of its controls; and every event
// of the designed form's components as the event log words it, followed by the component's text.

class TGalleryWindow;

// Starts the report on a gallery whose windows have just been shown.
void StartGalleryReport(TGalleryWindow& gallery);
