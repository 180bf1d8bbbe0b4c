#include "framework/platform/qt/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <algorithm>

namespace platform {

namespace {

QString FromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString NameFilter(const QString& description, const QString& patterns) {
    const QString spaced = patterns.split(u';', Qt::SkipEmptyParts).join(u' ').simplified();
    const QString group = QStringLiteral("(%1)").arg(spaced);
    if (spaced.isEmpty() || description.endsWith(group))
        return description;
    return description + u' ' + group;
}

QMessageBox::Icon IconFor(MessageBoxKind kind) {
    switch (kind) {
    case MessageBoxKind::Error:
        return QMessageBox::Critical;
    case MessageBoxKind::Warning:
        return QMessageBox::Warning;
    case MessageBoxKind::Information:
        return QMessageBox::Information;
    case MessageBoxKind::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QStringList QtNameFilters(std::string_view filter) {
    const QStringList parts = FromUtf8(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << NameFilter(parts[i], parts[i + 1]);
    return filters;
}

std::optional<std::string> RunFileDialog(const FileDialogSpec& desc, FileDialogMode mode) {
    const bool save = mode == FileDialogMode::Save;
    const QString title = !desc.Title.empty() ? FromUtf8(desc.Title)
                          : save              ? QStringLiteral("Save As")
                                              : QStringLiteral("Open");
    QFileDialog dialog(QApplication::activeWindow(), title, FromUtf8(desc.InitialDir));
    // Qt's own dialog behaves the same on every desktop and under a virtual display.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(save && desc.OverwritePrompt));
    // Like the Win32 dialog without "file must exist": the caller finds out when it opens it.
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = QtNameFilters(desc.Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const auto index = std::clamp<qsizetype>(desc.FilterIndex - 1, 0, filters.size() - 1);
        dialog.selectNameFilter(filters[index]);
    }
    std::string_view ext = desc.DefaultExt;
    if (ext.starts_with('.'))
        ext.remove_prefix(1);
    dialog.setDefaultSuffix(FromUtf8(ext));
    if (!desc.FileName.empty())
        dialog.selectFile(FromUtf8(desc.FileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

void RunMessageBox(const std::string& title, const std::string& text, MessageBoxKind kind) {
    QMessageBox box(IconFor(kind), FromUtf8(title), FromUtf8(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace platform
