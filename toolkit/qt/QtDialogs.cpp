#include "toolkit/qt/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "toolkit/ToolkitTexts.h"
#include "toolkit/qt/QtLook.h"

namespace twindir::toolkit::qt {

namespace {

QMessageBox::Icon ToQIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Error: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

ModalResult QtDialogs::ShowMessageBox(const MessageBoxRequest& request) {
  const bool cancel = request.buttons == MessageButtons::OKCancel;
  QMessageBox box(ToQIcon(request.icon), ToQString(request.caption), ToQString(request.text),
                  cancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok ? ModalResult::OK : ModalResult::Cancel;
}

OpenDialogResult QtDialogs::ShowOpenDialog(const OpenDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow());
  // One file need not exist (its folder is what counts); several must.
  dialog.setFileMode(request.multiple ? QFileDialog::ExistingFiles : QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;

  std::vector<std::string> files;
  for (const QString& native : dialog.selectedFiles()) {
    std::optional<std::string> drive_form = to_drive_form_(native.toStdString());
    if (!drive_form) {
      QMessageBox::warning(QApplication::activeWindow(), QString(), ToQString(texts::FileOutsideDrives) + "\n" + native);
      return std::nullopt;
    }
    files.push_back(std::move(*drive_form));
  }
  if (files.empty()) return std::nullopt;
  return files;
}

void QtDialogs::ShowErrorBox(std::string_view title, std::string_view text) {
  QMessageBox box(QMessageBox::Critical, ToQString(title), ToQString(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace twindir::toolkit::qt
