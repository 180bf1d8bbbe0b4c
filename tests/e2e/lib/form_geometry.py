"""Where a component of a stored form lies in its form's client area, so that a script can
click it without copying coordinates out of the form.

    python3 form_geometry.py FORM.json NAME...   prints a line a name: NAME left top width height

For the form itself, NAME being the form's name, it prints 0 0 and its client size. It prints
nothing and fails if any name is not in the form. Positions
are the stored ones; children of a scroll box sit inside its sunken edge and are not scrolled.
"""

import json
import sys

# The edge that a container keeps between its bounds and its children's origin.
SCROLL_BOX_EDGE = 2


def child_origin(component, left, top):
    props = component.get("properties", {})
    edge = 0
    if component["class"] == "TScrollBox" and props.get("BorderStyle", "bsSingle") != "bsNone":
        edge = SCROLL_BOX_EDGE
    return left + edge, top + edge


def find(component, name, origin_x, origin_y):
    for child in component.get("components", []):
        props = child.get("properties", {})
        left = origin_x + props.get("Left", 0)
        top = origin_y + props.get("Top", 0)
        if child["name"] == name:
            return left, top, props.get("Width", 0), props.get("Height", 0)
        found = find(child, name, *child_origin(child, left, top))
        if found:
            return found
    return None


def main():
    if len(sys.argv) < 3:
        sys.exit("usage: form_geometry.py FORM.json NAME...")
    with open(sys.argv[1], encoding="utf-8") as f:
        form = json.load(f)
    lines = []
    for name in sys.argv[2:]:
        if form["name"] == name:
            props = form["properties"]
            rect = (0, 0, props["ClientWidth"], props["ClientHeight"])
        else:
            rect = find(form, name, 0, 0)
        if rect is None:
            sys.exit(f"{sys.argv[1]}: no component named {name}")
        lines.append(" ".join(map(str, (name, *rect))))
    print("\n".join(lines))


if __name__ == "__main__":
    main()
