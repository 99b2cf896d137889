// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Every text whole: each visible control of each screen and dialog holds its text in its font, at
// every zoom, in Japanese and in English.
#include <algorithm>

#include <QComboBox>
#include <QInputDialog>
#include <QProgressDialog>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTranslator>

#include "app/window/dialog_fit.h"
#include "app/window/new_stages_progress.h"
#include "app/window/qt_dialogs.h"
#include "tests/app/window/window_fixture.h"

namespace suispo::test {
namespace {

QString Shown(QString text) { return text.remove(QLatin1Char('&')); }

// The texts under root (itself included) that do not fit their controls, one a line: "name \"text\": size in room".
QStringList CutControls(QWidget& root) {
  QStringList cut;
  QList<QWidget*> controls = root.findChildren<QWidget*>();
  controls.prepend(&root);
  for (QWidget* control : controls) {
    if (!control->isVisible()) continue;
    const QFontMetrics metrics(control->font());
    const QRect inside = control->contentsRect();
    const auto check = [&](const QString& text, int width, int height, int roomWidth, int roomHeight) {
      if (width > roomWidth || height > roomHeight) {
        cut << QStringLiteral("%1 \"%2\": %3x%4 in %5x%6")
                   .arg(control->objectName(), text)
                   .arg(width)
                   .arg(height)
                   .arg(roomWidth)
                   .arg(roomHeight);
      }
    };
    if (control->isWindow() && !control->windowTitle().isEmpty() && control != root.window()->parentWidget()) {
      check(control->windowTitle(), TitleWidthNeeded(*control), 0, control->width(), 0);
    }
    if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty()) {
      if (label->wordWrap()) {
        check(label->text(), 0, label->heightForWidth(inside.width()), inside.width(), inside.height());
      } else {
        // Its width as laid out, its height as inked: a line's leading may pass the edge. A text of
        // several lines is as wide as its widest line.
        const QString text = Shown(label->text());
        const QStringList lines = text.split(QLatin1Char('\n'));
        int widest = 0;
        for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
        const int high = metrics.lineSpacing() * static_cast<int>(lines.size() - 1) +
                         metrics.tightBoundingRect(lines.last()).height();
        check(text, widest, high, inside.width(), inside.height());
      }
    } else if (auto* button = qobject_cast<QPushButton*>(control); button && !button->text().isEmpty()) {
      // Inside the button's frame, beside its icon and the arrow of its menu.
      QStyleOptionButton option;
      option.initFrom(button);
      option.text = button->text();
      option.icon = button->icon();
      option.iconSize = button->iconSize();
      if (button->menu() != nullptr) option.features |= QStyleOptionButton::HasMenu;
      const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
      const int beside = (button->menu() ? button->style()->pixelMetric(QStyle::PM_MenuButtonIndicator) : 0) +
                         (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
      const QString text = Shown(button->text());
      check(text, metrics.horizontalAdvance(text) + beside, metrics.tightBoundingRect(text).height(), room.width(),
            room.height());
    } else if (auto* field = qobject_cast<QLineEdit*>(control); field && !field->text().isEmpty()) {
      check(field->text(), metrics.horizontalAdvance(field->text()) + 4, metrics.tightBoundingRect(field->text()).height(),
            inside.width(), inside.height());
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
      check(group->title(), metrics.horizontalAdvance(group->title()) + 16, 0, group->width(), 0);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
      for (int i = 0; i < combo->count(); ++i) {
        const int arrow = combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        check(combo->itemText(i), metrics.horizontalAdvance(combo->itemText(i)) + arrow + 12, 0, combo->width(), 0);
      }
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
      for (int i = 0; i < list->count(); ++i) {
        const QString text = list->item(i)->text();
        check(text, metrics.horizontalAdvance(text) + 8, 0, list->viewport()->width(), 0);
      }
    }
  }
  return cut;
}
std::string CutTexts(QWidget& root) { return CutControls(root).join(QLatin1Char('\n')).toStdString(); }

// The longest names a player meets: a stage named at length, a file named as new stages are.
struct Names {
  const char* stage;
  const char* file;
};

class TextFitTest : public WindowTest, public ::testing::WithParamInterface<std::tuple<const char*, int>> {
 protected:
  bool English() const { return std::string(std::get<0>(GetParam())) == "en"; }
  int Zoom() const { return std::get<1>(GetParam()); }
  void SetUp() override {
    WindowTest::SetUp();
    if (English()) {
      ASSERT_TRUE(english.load(QStringLiteral(":/i18n/suispo_en.qm")));
      QCoreApplication::installTranslator(&english);
    }
  }
  void TearDown() override {
    WindowTest::TearDown();
    QCoreApplication::removeTranslator(&english);
  }
  QTranslator english;
};

TEST_P(TextFitTest, EveryTextFitsItsControlOnEachScreenAndDialog) {
  const Names names = English() ? Names{"A Pitfall Below the Door", "Expert 20261208 194512 seed 4294967295"}
                                : Names{"鍵ふたつとワープの迷い道", "むずかしい 20261208 194512 seed 4294967295"};
  ASSERT_TRUE(QDir(folder.path()).mkdir("shipped"));
  WriteFile("shipped/6-all.ssp", test::StageFileText({EastClearLine("first")}));
  const std::string file = std::string(names.file) + ".ssp";
  WriteFile(file, test::StageFileText({EastClearLine(names.stage), EastClearLine(names.stage)}));
  WriteFile("suispo.ini", "[FileName]\r\ndatafile=" + file + "\r\n[View]\r\nzoom=" + std::to_string(Zoom()) + "\r\n");
  Start();
  ASSERT_EQ(form->zoom(), Zoom()) << "the screen is too small for the zoom";
  EXPECT_EQ(CutTexts(*form), "") << "the stage select screen";

  // A hinted clear with a new best: its verdict beside the preview, then the play again.
  Choose(0);
  WaitForPar();
  Play().hintMenuClick();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Play().game().hinted; }, 10000));
  Click(Control<QPushButton>("EMoveButton"));
  ASSERT_TRUE(OnStageSelect());
  EXPECT_EQ(CutTexts(*form), "") << "the stage select screen after a clear";
  Choose(0);
  WaitForPar();
  Play().hintMenuClick();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Play().game().hinted; }, 10000));
  EXPECT_EQ(CutTexts(*form), "") << "the play screen";

  const std::unique_ptr<QInputDialog> options = PresetDialog(form.get());
  options->show();
  EXPECT_EQ(CutTexts(*options), "") << "the new stages' options";
  options->hide();
  const std::unique_ptr<QProgressDialog> progress = NewStagesDialog(form.get());
  TellProgress(*progress, 9, 10, 99, 999);
  progress->show();
  EXPECT_EQ(CutTexts(*progress), "") << "the new stages' progress";
  progress->hide();
  form->About1Click();
  EXPECT_EQ(CutTexts(*Control<QWidget>("dialogForm")), "") << "the About box";
}

INSTANTIATE_TEST_SUITE_P(InBothLanguagesAtEveryZoom, TextFitTest,
                         ::testing::Combine(::testing::Values("ja", "en"), ::testing::Values(100, 150, 200, 300)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param)) + "_" + std::to_string(std::get<1>(info.param));
                         });

}  // namespace
}  // namespace suispo::test
