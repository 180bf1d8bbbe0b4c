#include "framework/platform/qt/QtFontDialog.h"

#include <QApplication>
#include <QFont>
#include <QFontDialog>

namespace platform {

std::optional<FontDialogSpec> RunFontDialog(const FontDialogSpec& initial) {
    QFont font(QString::fromStdString(initial.Name));
    font.setPointSize(initial.Size > 0 ? initial.Size : 8);
    font.setBold(initial.Bold);
    font.setItalic(initial.Italic);
    font.setUnderline(initial.Underline);
    font.setStrikeOut(initial.StrikeOut);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, QApplication::activeWindow());
    if (!ok)
        return std::nullopt;
    FontDialogSpec result = initial;
    result.Name = chosen.family().toStdString();
    result.Size = chosen.pointSize() > 0 ? chosen.pointSize() : initial.Size;
    result.Bold = chosen.bold();
    result.Italic = chosen.italic();
    result.Underline = chosen.underline();
    result.StrikeOut = chosen.strikeOut();
    return result;
}

} // namespace platform
