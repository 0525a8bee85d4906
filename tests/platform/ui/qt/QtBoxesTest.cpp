#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/ui/Dialog.h"
#include "platform/ui/MessageBox.h"
#include "tests/platform/ui/qt/QtTestApplication.h"

namespace ui = platform::ui;

namespace {

// Acts on the modal window that the next exec() opens.
void WhenModalOpens(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] { act(QApplication::activeModalWidget()); });
}

class QtBoxes : public ::testing::Test {
  protected:
    void SetUp() override { velorin::test::EnsureQtBackends(); }
};

}  // namespace

TEST_F(QtBoxes, MessageBoxShowsTheRequestAndReturnsTheButtonPressed) {
    WhenModalOpens([](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle().toStdString(), "Audio Test");
        EXPECT_EQ(box->text().toStdString(), "line one\nline two");
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        box->button(QMessageBox::Retry)->click();
    });
    EXPECT_EQ(ui::ShowMessage(nullptr, "line one\nline two", "Audio Test", ui::Buttons::RetryCancel,
                              ui::Icon::Error),
              ui::Answer::Retry);
}

namespace {

// The leading blanks of a line as the box shows it.
QString IndentOf(const QString& line) {
    qsizetype length = 0;
    while (length < line.size() && line[length] == QLatin1Char(' ')) {
        ++length;
    }
    return line.left(length);
}

}  // namespace

TEST_F(QtBoxes, AStepTooWideForTheBoxWrapsUnderItsOwnIndent) {
    std::string step = "\t 1) Open";
    for (int i = 0; i < 40; ++i) {
        step += " the panel";
    }
    WhenModalOpens([](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        ASSERT_NE(box, nullptr);
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        const QStringList lines = label->text().split(QLatin1Char('\n'));
        ASSERT_GT(lines.size(), 3);
        EXPECT_EQ(lines[0], QStringLiteral("Please check:"));
        const QString indent = IndentOf(lines[1]);
        EXPECT_FALSE(indent.isEmpty());
        const QFontMetrics metrics(label->font());
        for (const QString& line : lines) {
            EXPECT_LE(metrics.horizontalAdvance(line), label->contentsRect().width())
                << line.toStdString();
        }
        for (qsizetype i = 2; i < lines.size(); ++i) {
            EXPECT_EQ(IndentOf(lines[i]), indent) << lines[i].toStdString();
        }
        box->button(QMessageBox::Ok)->click();
    });
    ui::ShowMessage(nullptr, "Please check:\n" + step, "Audio Test", ui::Buttons::Ok);
}

TEST_F(QtBoxes, EscapeOnAMessageBoxIsCancelOrNo) {
    for (auto [buttons, expected] : {std::pair{ui::Buttons::OkCancel, ui::Answer::Cancel},
                                     {ui::Buttons::YesNo, ui::Answer::No}}) {
        WhenModalOpens([](QWidget* widget) { QTest::keyClick(widget, Qt::Key_Escape); });
        EXPECT_EQ(ui::ShowMessage(nullptr, "t", "c", buttons), expected);
    }
}

TEST_F(QtBoxes, LayoutDialogEndsWithTheButtonsIdOrCancelOnEscape) {
    ui::DialogLayout layout{100,
                            "About Launcher",
                            217,
                            55,
                            "MS Sans Serif",
                            8,
                            {{ui::ControlKind::ApplicationIcon, -1, "", 11, 17, 20, 20},
                             {ui::ControlKind::Text, -1, "Launcher Version 1.0", 40, 10, 119, 8},
                             {ui::ControlKind::DefaultButton, ui::kIdOk, "OK", 178, 7, 32, 14}}};
    WhenModalOpens([](QWidget* widget) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle().toStdString(), "About Launcher");
        EXPECT_GT(dialog->width(), 217);
        auto* ok = dialog->findChild<QPushButton*>();
        ASSERT_NE(ok, nullptr);
        EXPECT_TRUE(ok->isDefault());
        ok->click();
    });
    EXPECT_EQ(ui::RunDialog(nullptr, layout), ui::kIdOk);
    WhenModalOpens([](QWidget* widget) { QTest::keyClick(widget, Qt::Key_Escape); });
    EXPECT_EQ(ui::RunDialog(nullptr, layout, {true}), ui::kIdCancel);
}
