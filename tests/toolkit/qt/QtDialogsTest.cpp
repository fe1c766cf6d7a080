#include "toolkit/qt/QtDialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <functional>

#include "platform/Cp932.h"

namespace twindir::toolkit::qt {
namespace {

// Runs act on the modal dialog that the next call opens, from inside its
// event loop.
template <class Dialog>
void WhenOpen(std::function<void(Dialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    act(*dialog);
  });
}

// Native paths under root are drive C:.
PathTranslator DriveC(const QString& root) {
  return [root = root.toStdString()](std::string_view native) -> std::optional<std::string> {
    if (!native.starts_with(root)) return std::nullopt;
    std::string drive_form = "C:" + std::string(native.substr(root.size()));
    for (char& c : drive_form) c = c == '/' ? '\\' : c;
    return drive_form;
  };
}

TEST(QtDialogsTest, AMessageBoxShowsItsTextsAndReturnsTheButtonPressed) {
  QtDialogs dialogs(DriveC("/"));
  const std::string caption = platform::Utf8ToCp932("このファイルをMOから削除しますか?").value();
  QString shown_title;
  QString shown_text;
  WhenOpen<QMessageBox>([&](QMessageBox& box) {
    shown_title = box.windowTitle();
    shown_text = box.text();
    box.button(QMessageBox::Cancel)->click();
  });
  EXPECT_EQ(dialogs.ShowMessageBox({"C:\\a.txt", caption, MessageButtons::OKCancel, MessageIcon::None}),
            ModalResult::Cancel);
  EXPECT_EQ(shown_title, QString::fromUtf8("このファイルをMOから削除しますか?"));
  EXPECT_EQ(shown_text, QStringLiteral("C:\\a.txt"));

  WhenOpen<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); });
  EXPECT_EQ(dialogs.ShowMessageBox({"x", "y", MessageButtons::OKCancel, MessageIcon::Question}), ModalResult::OK);
}

class QtOpenDialogTest : public ::testing::Test {
 protected:
  QtOpenDialogTest() {
    std::ofstream(file.toStdString()) << "x";
  }

  QTemporaryDir root;
  QString file = root.filePath(QStringLiteral("a.txt"));
};

TEST_F(QtOpenDialogTest, TheChosenFileComesBackInDriveForm) {
  QtDialogs dialogs(DriveC(root.path()));
  WhenOpen<QFileDialog>([&](QFileDialog& dialog) {
    dialog.selectFile(file);
    static_cast<QDialog&>(dialog).accept();
  });
  const OpenDialogResult result = dialogs.ShowOpenDialog({false});
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(*result, (std::vector<std::string>{"C:\\a.txt"}));
}

TEST_F(QtOpenDialogTest, ACancelledDialogGivesNoFiles) {
  QtDialogs dialogs(DriveC(root.path()));
  WhenOpen<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(dialogs.ShowOpenDialog({true}), std::nullopt);
}

TEST_F(QtOpenDialogTest, AFileOutsideEveryDriveIsRefusedWithAWarning) {
  QtDialogs dialogs(DriveC("/nowhere/"));
  bool warned = false;
  WhenOpen<QFileDialog>([&](QFileDialog& dialog) {
    dialog.selectFile(file);
    static_cast<QDialog&>(dialog).accept();
    WhenOpen<QMessageBox>([&](QMessageBox& box) {
      warned = true;
      box.accept();
    });
  });
  EXPECT_EQ(dialogs.ShowOpenDialog({false}), std::nullopt);
  EXPECT_TRUE(warned);
}

}  // namespace
}  // namespace twindir::toolkit::qt
