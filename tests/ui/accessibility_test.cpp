#include "engine/control_names.h"
#include "form_harness.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QTextEdit>
#include <QWindow>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace ui_testing {
namespace {

// Readable failures: one object a line.
std::string lines(const QStringList& list) {
    return "\n" + list.join("\n").toStdString();
}

QString roleName(QAccessible::Role role) {
    switch (role) {
    case QAccessible::Window:
        return "window";
    case QAccessible::Dialog:
        return "dialog";
    case QAccessible::Button:
        return "button";
    case QAccessible::Clock:
        return "clock";
    case QAccessible::EditableText:
        return "text";
    case QAccessible::StaticText:
        return "label";
    default:
        return QString("role %1").arg(role);
    }
}

// One object as a reader announces it: role, name and, for a chosen one, "(выбрано)".
QString describe(QAccessibleInterface* iface) {
    QString line = roleName(iface->role()) + " " + iface->text(QAccessible::Name);
    if (iface->state().checked) {
        line += " (выбрано)";
    }
    return line;
}

// The objects a reader finds in a window, in order.
QStringList tree(QWidget* window) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    QStringList lines;
    if (root == nullptr) {
        ADD_FAILURE() << "no accessible interface";
        return lines;
    }
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        EXPECT_EQ(root->indexOfChild(child), i);
        EXPECT_FALSE(child->state().invisible) << describe(child).toStdString();
        lines << describe(child);
    }
    return lines;
}

QStringList numbers(int count, int current) {
    QStringList lines;
    for (int n = 1; n <= count; ++n) {
        lines << QString("button Вопрос %1%2").arg(n).arg(n == current ? ", текущий" : "");
    }
    return lines;
}

void startTest(ui::TTestForm& form, const char* year, const char* classLabel) {
    click(form.widget(year));
    click(form.widget(classLabel));
    click(form.widget("StartBtn"));
}

class AccessibilityTest : public FormTest {
protected:
    // The offscreen platform has accessibility but no reader to switch it on.
    AccessibilityTest() {
        if (QPlatformAccessibility* bridge =
                QGuiApplicationPrivate::platformIntegration()->accessibility()) {
            bridge->setActive(true);
        }
    }

    // A key as a pupil types it, to the window that has the keyboard now.
    void key(int code, const QString& text = {}, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* target = QApplication::activeModalWidget();
        if (target == nullptr) {
            target = form.get();
        }
        QTest::sendKeyEvent(QTest::Press, target->windowHandle(), Qt::Key(code), text, modifiers);
        QTest::sendKeyEvent(QTest::Release, target->windowHandle(), Qt::Key(code), text, modifiers);
    }

    // Tab until `target` has the focus; fails after a whole round.
    void tabTo(QWidget* target) {
        for (int i = 0; i < 80; ++i) {
            key(Qt::Key_Tab);
            if (target->window()->focusWidget() == target) {
                return;
            }
        }
        FAIL() << "Tab never reaches " << target->objectName().toStdString();
    }

    int rightOf(int pos) {
        const auto& base = form->engine().state().Base;
        for (int k = 1; k <= 5; ++k) {
            if (base[pos].option(k) == base[pos].Right) {
                return k;
            }
        }
        return 1;
    }

    void startTest(const char* year, const char* classLabel) {
        ui_testing::startTest(*form, year, classLabel);
    }
};

TEST_F(AccessibilityTest, EachScreenNamesItsShownControlsWithTheirState) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    EXPECT_EQ(describe(window), "window Тест");

    QStringList years{"button случайно"};
    for (int year = 2000; year <= 2006; ++year) {
        years << QString("button %1 год").arg(year);
    }
    const QStringList windowButtons{"button Свернуть окно", "button Закрыть программу"};
    const QStringList menuStart =
        years +
        QStringList{"text Правила", "button Начать тест", "button Информация", "button Выход"} +
        windowButtons;
    EXPECT_EQ(lines(tree(form.get())), lines(menuStart));

    click(w("Btn2004"));
    click(w("ClassLab4"));
    QStringList menu = tree(form.get());
    EXPECT_EQ(menu[5].toStdString(), "button 2004 год (выбрано)");
    EXPECT_EQ(lines(menu.mid(8, 10)),
              lines(QStringList{"button 2-й класс", "button 3-й класс", "button 4-й класс",
                                "button 5-й класс (выбрано)", "button 6-й класс",
                                "button 7-й класс", "button 8-й класс", "button 9-й класс",
                                "button 10-й класс", "button 11-й класс"}));

    click(w("StartBtn"));
    auto option = [this](int k) {
        return QString("text Ответ ") + QString("АБВГД")[k - 1] + ": " +
               qobject_cast<QTextEdit*>(w(QString("A%1Viewer").arg(k)))->toPlainText().simplified();
    };
    QStringList test{"clock Осталось времени 75:00"};
    test << numbers(30, 1) << "text Вопрос";
    for (int k = 1; k <= 5; ++k) {
        test << QString("button Выбор ответа ") + QString("АБВГД")[k - 1] << option(k);
    }
    test << "button Ответить"
         << "button Отложить"
         << "button Закончить тест"
         << "button Свернуть окно"
         << "button Правила"
         << "button Закрыть программу";
    EXPECT_EQ(lines(tree(form.get())), lines(test));
    EXPECT_TRUE(option(1).size() > QString("text Ответ А: ").size());

    // A chosen option, an answer under its number, the current number moved on.
    const int right = rightOf(1);
    click(w(QString("A%1Btn").arg(right)));
    EXPECT_EQ(
        tree(form.get())[32 + 2 * (right - 1)].toStdString(),
        QString("button Выбор ответа %1 (выбрано)").arg(QString("АБВГД")[right - 1]).toStdString());
    click(w("EnterBtn"));
    const QString letter = QString("АБВГД")[right - 1];
    EXPECT_EQ(lines(tree(form.get()).mid(1, 2)),
              lines(QStringList{"button Вопрос 1, ответ " + letter, "button Вопрос 2, текущий"}));
    click(w(QString("A%1Btn").arg(rightOf(2) % 5 + 1)));
    click(w("EnterBtn"));

    whenShown(form->EndTestForm(), [this] { click(form->EndTestForm()->YesBtn); });
    click(w("EndTestBtn"));
    const QStringList results = tree(form.get());
    EXPECT_EQ(
        lines(results.mid(0, 4)),
        lines(QStringList{
            "button Результат (выбрано)", "button Вопрос 1, ответ " + letter + ", верно",
            QString("button Вопрос 2, ответ ") + QString("АБВГД")[rightOf(2) % 5] + ", неверно",
            "button Вопрос 3, неверно"}));
    EXPECT_EQ(lines(results.mid(31)), lines(QStringList{"text Результат", "button Выбрать тест",
                                                        "button Информация", "button Выход"} +
                                            QStringList{"button Свернуть окно", "button Правила",
                                                        "button Закрыть программу"}));
    for (QString hidden : {"Ответить", "Начать тест", "Выбор ответа А"}) {
        EXPECT_FALSE(results.join("\n").contains(hidden)) << hidden.toStdString();
    }
}

struct DialogCase {
    const char* what;
    std::function<void(ui::TTestForm&)> open; // ends with the click that opens it
    std::function<QDialog*(ui::TTestForm&)> dialog;
    QStringList expected; // the dialog, then its buttons
};

class DialogNames : public AccessibilityTest {
protected:
    void check(const DialogCase& c) {
        SCOPED_TRACE(c.what);
        QDialog* dialog = c.dialog(*form);
        QStringList seen;
        whenShown(dialog, [&] {
            seen << describe(QAccessible::queryAccessibleInterface(dialog)) << tree(dialog);
            dialog->done(QDialog::Accepted);
        });
        c.open(*form);
        EXPECT_EQ(lines(seen), lines(c.expected));
    }
};

TEST_F(DialogNames, EveryDialogIsNamedByTheMessageItShows) {
    const DialogCase cases[] = {
        {"no year",
         [](ui::TTestForm& f) { click(f.widget("StartBtn")); },
         [](ui::TTestForm& f) { return f.TestErrorForm(); },
         {"dialog Выберите год", "button OK"}},
        {"no class",
         [](ui::TTestForm& f) {
             click(f.widget("Btn2003"));
             click(f.widget("StartBtn"));
         },
         [](ui::TTestForm& f) { return f.TestErrorForm(); },
         {"dialog Выберите класс", "button OK"}},
        {"exit",
         [](ui::TTestForm& f) { click(f.widget("ExitBtn")); },
         [](ui::TTestForm& f) { return f.TestCloseForm(); },
         {"dialog Точно хотите выйти?", "button Да", "button Нет"}},
        {"no option",
         [](ui::TTestForm& f) {
             ui_testing::startTest(f, "Btn2003", "ClassLab1");
             click(f.widget("EnterBtn"));
         },
         [](ui::TTestForm& f) { return f.TestErrorForm(); },
         {"dialog Выберите ответ", "button OK"}},
        {"end early",
         [](ui::TTestForm& f) { click(f.widget("EndTestBtn")); },
         [](ui::TTestForm& f) { return f.EndTestForm(); },
         {"dialog Точно хочешь закончить раньше времени?", "button Да", "button Нет"}},
        {"help",
         [](ui::TTestForm& f) { click(f.widget("HelpBtn")); },
         [](ui::TTestForm& f) { return f.HelpForm(); },
         {"dialog Правила", "button Закрыть правила", "text Правила"}},
        {"time over",
         [](ui::TTestForm& f) {
             for (int i = 0; i < 4500 && f.Timer().interval() == 1000; ++i) {
                 f.engine().TimerTimer();
             }
         },
         [](ui::TTestForm& f) { return f.TimeForm(); },
         {"dialog Время вышло", "button Результат"}},
    };
    for (const DialogCase& c : cases) {
        check(c);
    }
}

// Enter and Esc in each dialog press the button a pupil would expect, or nothing.
TEST_F(AccessibilityTest, EnterAndEscPressTheDialogsButtons) {
    startTest("Btn2001", "ClassLab1");
    ui::TYesNoForm* endTest = form->EndTestForm();

    // The end-test question: Esc is "Нет", the test goes on.
    whenShown(endTest, [this] { key(Qt::Key_Escape); });
    click(w("EndTestBtn"));
    EXPECT_FALSE(endTest->isVisible());
    EXPECT_TRUE(w("EnterBtn")->isVisible());

    // The error dialog: Esc and Enter both are OK.
    for (int k : {Qt::Key_Escape, Qt::Key_Return}) {
        whenShown(form->TestErrorForm(), [this, k] { key(k); });
        key(Qt::Key_Return); // "Ответить" with no option chosen
        EXPECT_FALSE(form->TestErrorForm()->isVisible());
    }

    // Help: F1 opens it, Esc closes it.
    whenShown(form->HelpForm(), [this] { key(Qt::Key_Escape); });
    key(Qt::Key_F1);
    EXPECT_FALSE(form->HelpForm()->isVisible());

    // The time dialog: Esc does nothing, Enter is "Результат".
    int escapes = 0;
    whenShown(form->TimeForm(), [this, &escapes] {
        key(Qt::Key_Escape);
        escapes += form->TimeForm()->isVisible();
        key(Qt::Key_Enter);
    });
    for (int i = 0; i < 4500 && form->Timer().interval() == 1000; ++i) {
        form->engine().TimerTimer();
    }
    EXPECT_EQ(escapes, 1);
    EXPECT_FALSE(form->TimeForm()->isVisible());
    EXPECT_TRUE(w("TestBtn")->isVisible());

    // The exit question: Esc is "Нет", Enter is "Да".
    QSignalSpy closed(form.get(), &ui::TTestForm::closed);
    whenShown(form->TestCloseForm(), [this] { key(Qt::Key_Escape); });
    click(w("CloseBtn"));
    EXPECT_EQ(closed.count(), 0);
    EXPECT_TRUE(form->isVisible());
    whenShown(form->TestCloseForm(), [this] { key(Qt::Key_Return); });
    click(w("CloseBtn"));
    EXPECT_EQ(closed.count(), 1);
}

struct ClockEvents {
    static inline QStringList names;
    static inline QObject* clock = nullptr;
    static void record(QAccessibleEvent* event) {
        if (event->object() == clock && (event->type() == QAccessible::NameChanged ||
                                         event->type() == QAccessible::ValueChanged)) {
            names << QAccessible::queryAccessibleInterface(clock)->text(QAccessible::Name);
        }
    }
};

TEST_F(AccessibilityTest, TheClockAnnouncesItselfAtTenFiveAndOneMinutesAndAtTheEnd) {
    ClockEvents::names.clear();
    ClockEvents::clock = w("TimeLab");
    const auto previous = QAccessible::installUpdateHandler(&ClockEvents::record);
    startTest("Btn2002", "ClassLab3");
    whenShown(form->TimeForm(), [this] { key(Qt::Key_Return); });
    int ticks = 0;
    for (; ticks < 5000 && form->Timer().interval() == 1000; ++ticks) {
        form->engine().TimerTimer();
    }
    QAccessible::installUpdateHandler(previous);
    EXPECT_EQ(ticks, 75 * 60);
    EXPECT_TRUE(QAccessible::isActive());
    EXPECT_EQ(lines(ClockEvents::names),
              lines(QStringList{"Осталось времени 10:00", "Осталось времени 05:00",
                                "Осталось времени 01:00", "Осталось времени 00:00"}));
    EXPECT_TRUE(w("TestBtn")->isVisible());
}

// A whole test without the mouse: the year, the class and the start by Tab and Enter or Space;
// options by letter and digit, answers by Enter, a question postponed and come back to by its
// number; the review and the return to the menu.
TEST_F(AccessibilityTest, AWholeTestTakenWithKeysOnly) {
    tabTo(w("Btn2005"));
    key(Qt::Key_Return);
    tabTo(w("ClassLab2")); // class 3: 26 questions
    key(Qt::Key_Space);
    tabTo(w("StartBtn"));
    key(Qt::Key_Return);
    auto& state = form->engine().state();
    ASSERT_TRUE(w("EnterBtn")->isVisible());
    ASSERT_EQ(state.QuestionCount, 26);

    // Question 1 is postponed with "О", question 2 with 0.
    key(0x041E, "о");
    EXPECT_EQ(state.CurrentPos, 2);
    key(Qt::Key_0, "0");
    EXPECT_EQ(state.CurrentPos, 3);
    whenShown(form->TimeForm(), [this] {
        EXPECT_TRUE(form->TimeForm()->AllQ->isVisibleTo(form->TimeForm()));
        key(Qt::Key_Return);
    });
    int expected = 0;
    bool jumped = false;
    for (int i = 0; i < 30 && !w("TestBtn")->isVisible(); ++i) {
        const int pos = state.CurrentPos;
        if (pos == 3 && !jumped) {
            jumped = true;
            // Back to question 1 by its number, from the keyboard.
            tabTo(w("Q1Lab"));
            key(Qt::Key_Return);
            EXPECT_EQ(state.CurrentPos, 1);
            continue;
        }
        const int k = rightOf(pos);
        if (pos % 2 == 0) {
            key(Qt::Key_1 + k - 1, QString::number(k));
        } else {
            key(0x0410 + k - 1, QString("абвгд")[k - 1]);
        }
        EXPECT_TRUE(static_cast<TImgBtn*>(w(QString("A%1Btn").arg(k)))->lit());
        expected += pos <= 10 ? 3 : pos <= 20 ? 4 : 5;
        // The option key took the focus mark away from the number: Enter answers.
        key(Qt::Key_Return);
    }
    ASSERT_TRUE(w("TestBtn")->isVisible());
    EXPECT_EQ(state.AnsweredCount, 26);
    EXPECT_EQ(state.Score, expected);

    tabTo(w("Q2Lab"));
    key(Qt::Key_Space);
    EXPECT_EQ(state.CurrentPos, 2);
    tabTo(w("TestBtn"));
    key(Qt::Key_Return);
    EXPECT_TRUE(w("StartBtn")->isVisible());
    EXPECT_FALSE(w("EnterBtn")->isVisible());
}

// The focus mark comes with Tab only: a click leaves none, and a click after Tab takes it away.
TEST_F(AccessibilityTest, OnlyTabShowsTheFocusMark) {
    auto markShown = [this] {
        for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->inherits("ui::FocusMark") && child->isVisible()) {
                return true;
            }
        }
        return false;
    };
    click(w("Btn2003"));
    EXPECT_FALSE(markShown());
    const QImage clicked = form->grab().toImage();
    key(Qt::Key_Tab);
    EXPECT_TRUE(markShown());
    EXPECT_EQ(form->focusWidget(), w("Btn0"));
    EXPECT_NE(form->grab().toImage(), clicked);
    click(w("Btn2003"));
    EXPECT_FALSE(markShown());
    EXPECT_EQ(form->grab().toImage(), clicked);
    // Space on a focused control without the mark does nothing.
    key(Qt::Key_Space);
    EXPECT_EQ(form->engine().state().SelectedYear, 2003);
}

} // namespace
} // namespace ui_testing
