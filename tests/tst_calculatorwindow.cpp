#include "calculatorwindow.h"
#include "numbertext.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <climits>
#include <memory>

namespace {

const QString instructions = QStringLiteral(
    "说明：油箱接近空箱时到一个好的加油站加满油，此时公里数清零（或记下此时的公里数），"
    "然后正常行驶，待行驶一定公里数后，到原加油站原枪再次加满燃油，记下现在的公里数。");

const QStringList inputBoxes = {u"编辑框2"_qs, u"编辑框3"_qs, u"编辑框4"_qs};
const QStringList resultBoxes = {u"编辑框5"_qs, u"编辑框6"_qs};
const QStringList focusChain = {u"编辑框2"_qs, u"编辑框3"_qs, u"编辑框4"_qs, u"按钮1"_qs,
                                u"按钮2"_qs,   u"编辑框5"_qs, u"编辑框6"_qs, u"编辑框1"_qs};

QString textOf(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (auto *edit = qobject_cast<const QLineEdit *>(w))
        return edit->text();
    if (auto *button = qobject_cast<const QPushButton *>(w))
        return button->text();
    if (auto *group = qobject_cast<const QGroupBox *>(w))
        return group->title();
    if (auto *plain = qobject_cast<const QPlainTextEdit *>(w))
        return plain->toPlainText();
    return {};
}

// Types as a user would: ASCII through key clicks, everything else committed
// the way a Chinese input method commits it.
void typeInto(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(c);
            QApplication::sendEvent(widget, &commit);
        }
    }
}

} // namespace

class TestCalculatorWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<CalculatorWindow> window;

    template <typename T = QWidget> T *control(const QString &name) const
    {
        auto *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit *box(const QString &name) const { return control<QLineEdit>(name); }

    // Types into a box as a user would: focus it, select all, type.
    void type(const QString &name, const QString &text)
    {
        QLineEdit *edit = box(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        typeInto(edit, text);
    }

    // A measurement typed into the three input boxes.
    void typeInputs(const QString &price, const QString &money, const QString &distance)
    {
        type(u"编辑框2"_qs, price);
        type(u"编辑框3"_qs, money);
        type(u"编辑框4"_qs, distance);
    }

    void clickCalculate() { QTest::mouseClick(control(u"按钮1"_qs), Qt::LeftButton); }
    void clickClear() { QTest::mouseClick(control(u"按钮2"_qs), Qt::LeftButton); }

private slots:
    void init();
    void cleanup() { window.reset(); }

    void controls_data();
    void controls();
    void windowSettings();
    void boxSettings_data();
    void boxSettings();
    void resultFonts();
    void accessibleNames_data();
    void accessibleNames();
    void focusStartsOnPriceAndTabWalksTheBoxes();

    void calculate_data();
    void calculate();
    void calculateShowsTheStartOfALongFigure();
    void calculateTwiceGivesTheSameTexts();
    void consumptionEqualsTheFormula_data();
    void consumptionEqualsTheFormula();

    void pastedJunk_data();
    void pastedJunk();
    void manyClicksInARow();

    void clearEmptiesTheFiveBoxes_data();
    void clearEmptiesTheFiveBoxes();
    void calculateAfterClearShowsInvalid();
    void clearFromTheKeyboardKeepsTheFocus();
    void clearPressedByAScreenReaderKeepsTheFocus();

    void escapeClosesFromEveryControl_data();
    void escapeClosesFromEveryControl();
    void enterDoesNothing_data();
    void enterDoesNothing();
};

void TestCalculatorWindow::init()
{
    window = std::make_unique<CalculatorWindow>();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void TestCalculatorWindow::controls_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    const QString main = u"CalculatorWindow"_qs;
    const QString group = u"分组框1"_qs;
    // clang-format off
    QTest::newRow("标签1") << "QLabel" << main << QRect(24, 8, 80, 24) << "油价(元/升)";
    QTest::newRow("编辑框2") << "QLineEdit" << main << QRect(112, 8, 80, 24) << "";
    QTest::newRow("标签2") << "QLabel" << main << QRect(8, 40, 112, 24) << "加了多少钱油(元)";
    QTest::newRow("编辑框3") << "QLineEdit" << main << QRect(112, 40, 80, 24) << "";
    QTest::newRow("标签3") << "QLabel" << main << QRect(24, 72, 96, 24) << "行驶里程(公里)";
    QTest::newRow("编辑框4") << "QLineEdit" << main << QRect(112, 72, 80, 24) << "";
    QTest::newRow("按钮1") << "QPushButton" << main << QRect(232, 24, 152, 64) << "计算";
    QTest::newRow("按钮2") << "QPushButton" << main << QRect(408, 24, 72, 64) << "清空重算";
    QTest::newRow("编辑框1") << "QPlainTextEdit" << main << QRect(16, 112, 184, 104) << instructions;
    QTest::newRow("分组框1") << "QGroupBox" << main << QRect(216, 112, 240, 104) << "计算结果";
    QTest::newRow("标签5") << "QLabel" << group << QRect(8, 24, 80, 17) << "百公里油耗";
    QTest::newRow("编辑框5") << "QLineEdit" << group << QRect(80, 16, 64, 32) << "";
    QTest::newRow("标签6") << "QLabel" << group << QRect(160, 24, 80, 24) << "升/百公里";
    QTest::newRow("标签4") << "QLabel" << group << QRect(8, 64, 80, 24) << "每公里耗费";
    QTest::newRow("编辑框6") << "QLineEdit" << group << QRect(80, 56, 64, 32) << "";
    QTest::newRow("标签7") << "QLabel" << group << QRect(160, 64, 72, 16) << "元/公里";
    // clang-format on
}

void TestCalculatorWindow::controls()
{
    QFETCH(QString, kind);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    const QWidget *w = control(QString::fromUtf8(QTest::currentDataTag()));
    QVERIFY2(w->inherits(qPrintable(kind)), w->metaObject()->className());
    QCOMPARE(w->parentWidget()->objectName(), parent);
    QCOMPARE(w->geometry(), geometry);
    QCOMPARE(textOf(w), text);
    QVERIFY(w->isVisible());
    QVERIFY(w->isEnabled());

    // Edit boxes and buttons are tab stops; labels and the group box are not.
    const bool takesFocus = kind != u"QLabel" && kind != u"QGroupBox";
    QCOMPARE(w->focusPolicy() == Qt::StrongFocus, takesFocus);
    if (!takesFocus)
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
}

void TestCalculatorWindow::windowSettings()
{
    QCOMPARE(window->windowTitle(), u"百公里耗油计算器"_qs);
    QCOMPARE(window->size(), QSize(492, 219));
    QCOMPARE(window->minimumSize(), QSize(492, 219));
    QCOMPARE(window->maximumSize(), QSize(492, 219));

    const Qt::WindowFlags flags = window->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!flags.testFlag(Qt::Tool)); // so it is in the taskbar

    QVERIFY(window->windowIcon().availableSizes().contains(QSize(32, 32)));
    const QImage icon = window->windowIcon().pixmap(32, 32).toImage();
    QVERIFY(icon.hasAlphaChannel());

    for (auto *button : window->findChildren<QPushButton *>()) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
}

void TestCalculatorWindow::boxSettings_data()
{
    QTest::addColumn<QColor>("textColour");
    for (const QString &name : inputBoxes)
        QTest::newRow(qPrintable(name)) << QColor(Qt::black);
    for (const QString &name : resultBoxes)
        QTest::newRow(qPrintable(name)) << QColor(255, 0, 0);
}

void TestCalculatorWindow::boxSettings()
{
    QFETCH(QColor, textColour);
    QLineEdit *edit = box(QString::fromUtf8(QTest::currentDataTag()));

    QCOMPARE(edit->alignment(), Qt::AlignCenter);
    QCOMPARE(edit->maxLength(), INT_MAX);
    QVERIFY(!edit->isReadOnly());
    QCOMPARE(edit->palette().color(QPalette::Active, QPalette::Text), textColour);
    QCOMPARE(edit->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));

    // Any text may be typed: letters too, and more than QLineEdit's usual
    // 32767 characters.
    const QString longText = QString(40000, u'9') + u"abc元"_qs;
    edit->setFocus();
    typeInto(edit, u"x元"_qs);
    QCOMPARE(edit->text(), u"x元"_qs);
    edit->setText(longText);
    QCOMPARE(edit->text(), longText);

    // A selection does not show while the window is inactive (moving the
    // focus inside the window clears it).
    const QPalette palette = edit->palette();
    QCOMPARE(palette.color(QPalette::Inactive, QPalette::Highlight).alpha(), 0);
    QCOMPARE(palette.color(QPalette::Inactive, QPalette::HighlightedText), textColour);
}

void TestCalculatorWindow::resultFonts()
{
    const QFont per100 = box(u"编辑框5"_qs)->font();
    const QFont perKm = box(u"编辑框6"_qs)->font();
    QCOMPARE(per100.pixelSize(), 29);
    QCOMPARE(perKm.pixelSize(), 29);
    QCOMPARE(per100.weight(), QFont::Normal);
    QCOMPARE(perKm.weight(), QFont::Bold);
    QCOMPARE(per100.family(), QApplication::font().family());

    // Each result box is framed by a single flat black line on white.
    for (const QString &name : resultBoxes) {
        const QImage image = box(name)->grab().toImage();
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        for (const QPoint edge : {QPoint(0, 0), QPoint(right, bottom / 2),
                                  QPoint(right / 2, bottom), QPoint(0, bottom / 2)})
            QCOMPARE(image.pixelColor(edge), QColor(Qt::black));
        QCOMPARE(image.pixelColor(1, 1), QColor(Qt::white));
        QCOMPARE(image.pixelColor(right - 1, bottom - 1), QColor(Qt::white));
    }

    // The input boxes keep the toolkit's font and native frame.
    for (const QString &name : inputBoxes) {
        QCOMPARE(box(name)->font(), QApplication::font());
        QVERIFY(box(name)->hasFrame());
        QVERIFY(box(name)->styleSheet().isEmpty());
    }

    auto *instructionsBox = control<QPlainTextEdit>(u"编辑框1"_qs);
    QVERIFY(instructionsBox->isReadOnly());
    QCOMPARE(instructionsBox->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(instructionsBox->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(instructionsBox->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(instructionsBox->tabChangesFocus());
    QVERIFY(!instructionsBox->verticalScrollBar()->isVisible());
}

void TestCalculatorWindow::accessibleNames_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("编辑框2") << "油价(元/升)";
    QTest::newRow("编辑框3") << "加了多少钱油(元)";
    QTest::newRow("编辑框4") << "行驶里程(公里)";
    QTest::newRow("编辑框5") << "百公里油耗";
    QTest::newRow("编辑框6") << "每公里耗费";
}

void TestCalculatorWindow::accessibleNames()
{
    QFETCH(QString, caption);
    QAccessibleInterface *face =
        QAccessible::queryAccessibleInterface(box(QString::fromUtf8(QTest::currentDataTag())));
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), caption);
}

void TestCalculatorWindow::focusStartsOnPriceAndTabWalksTheBoxes()
{
    QCOMPARE(QApplication::focusWidget(), box(u"编辑框2"_qs));
    QStringList walked;
    for (qsizetype i = 0; i < focusChain.size(); ++i) {
        walked << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(walked, focusChain);
    QCOMPARE(QApplication::focusWidget()->objectName(), focusChain.first());
}

void TestCalculatorWindow::calculate_data()
{
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("distance");
    QTest::addColumn<QString>("typedPer100");
    QTest::addColumn<QString>("typedPerKm");
    QTest::addColumn<QString>("per100");
    QTest::addColumn<QString>("perKm");

    // clang-format off
    QTest::newRow("full-to-full") << "7.5" << "300" << "500" << "" << "" << "8" << "0.6";
    QTest::newRow("results typed over") << "7.5" << "300" << "500" << "99" << "abc" << "8" << "0.6";
    QTest::newRow("units and full-width") << "７．５元" << "３００元" << "500 km" << "" << "" << "8" << "0.6";
    QTest::newRow("distance 0") << "7.5" << "300" << "0" << "" << "" << "∞" << "∞";
    QTest::newRow("price 0") << "0" << "300" << "500" << "" << "" << "∞" << "0.6";
    QTest::newRow("money and distance 0") << "7.5" << "0" << "0" << "" << "" << "无效" << "无效";
    QTest::newRow("negative money") << "7.5" << "-300" << "500" << "" << "" << "-8" << "-0.6";
    QTest::newRow("negative distance 0") << "7.5" << "300" << "-0" << "" << "" << "-∞" << "-∞";
    QTest::newRow("empty boxes") << "" << "" << "" << "" << "" << "无效" << "无效";
    QTest::newRow("letters") << "abc" << "x" << "y" << "" << "" << "无效" << "无效";
    QTest::newRow("rounding carried") << "7.89" << "100" << "3" << "" << "" << "422.47570764681035" << "33.333333333333336";
    // clang-format on
}

void TestCalculatorWindow::calculate()
{
    QFETCH(QString, price);
    QFETCH(QString, money);
    QFETCH(QString, distance);
    QFETCH(QString, typedPer100);
    QFETCH(QString, typedPerKm);
    QFETCH(QString, per100);
    QFETCH(QString, perKm);

    typeInputs(price, money, distance);
    type(u"编辑框5"_qs, typedPer100);
    type(u"编辑框6"_qs, typedPerKm);

    clickCalculate();

    QCOMPARE(box(u"编辑框5"_qs)->text(), per100);
    QCOMPARE(box(u"编辑框6"_qs)->text(), perKm);
    // The inputs are left as typed, and the instructions as they were.
    QCOMPARE(box(u"编辑框2"_qs)->text(), price);
    QCOMPARE(box(u"编辑框3"_qs)->text(), money);
    QCOMPARE(box(u"编辑框4"_qs)->text(), distance);
    QCOMPARE(textOf(control(u"编辑框1"_qs)), instructions);
}

void TestCalculatorWindow::calculateShowsTheStartOfALongFigure()
{
    typeInputs(u"7.89"_qs, u"100"_qs, u"3"_qs);
    clickCalculate();
    for (const QString &name : resultBoxes) {
        QCOMPARE(box(name)->cursorPosition(), 0);
        QVERIFY(box(name)->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() <
                box(name)->width() / 2);
    }
}

void TestCalculatorWindow::calculateTwiceGivesTheSameTexts()
{
    typeInputs(u"8.12"_qs, u"350.5"_qs, u"612.3"_qs);
    clickCalculate();
    const QString per100 = box(u"编辑框5"_qs)->text();
    const QString perKm = box(u"编辑框6"_qs)->text();
    clickCalculate();
    QCOMPARE(box(u"编辑框5"_qs)->text(), per100);
    QCOMPARE(box(u"编辑框6"_qs)->text(), perKm);
    QCOMPARE(perKm, u"0.5724318144700311"_qs);
    QCOMPARE(per100, u"7.04965288756196"_qs);
}

void TestCalculatorWindow::consumptionEqualsTheFormula_data()
{
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("money");
    QTest::addColumn<double>("distance");
    QTest::newRow("awkward quotient") << 7.0 << 300.0 << 700.0;
    QTest::newRow("tiny cost per km") << 8.3 << 1e-300 << 3e7;
    QTest::newRow("long figures") << 7.123456789 << 123.456789 << 987.654321;
}

// The cost per km goes through its text on the way to the consumption; the
// text reads back exactly, so the consumption is the formula's double.
void TestCalculatorWindow::consumptionEqualsTheFormula()
{
    QFETCH(double, price);
    QFETCH(double, money);
    QFETCH(double, distance);
    box(u"编辑框2"_qs)->setText(numbertext::fromNumber(price));
    box(u"编辑框3"_qs)->setText(numbertext::fromNumber(money));
    box(u"编辑框4"_qs)->setText(numbertext::fromNumber(distance));
    clickCalculate();
    QCOMPARE(box(u"编辑框5"_qs)->text(), numbertext::fromNumber(money / distance * 100 / price));
}

void TestCalculatorWindow::pastedJunk_data()
{
    QTest::addColumn<QStringList>("inputs"); // 编辑框2 … 编辑框6
    QTest::addColumn<QString>("per100");
    QTest::addColumn<QString>("perKm");

    const QString megabyte = QString(1 << 20, u'9');
    const QString loneSurrogates = QChar(0xd800) + u"5"_qs + QChar(0xdc00);
    const QString withNul = u"300"_qs + QChar(u'\0') + u"元"_qs;
    const QString emoji = u"🚗500🚗"_qs;
    // clang-format off
    QTest::newRow("1 MB price") << QStringList{megabyte, "300", "500", "", ""} << "0" << "0.6";
    QTest::newRow("1 MB of digits everywhere") << QStringList{megabyte, megabyte, megabyte, "", ""} << "无效" << "无效";
    QTest::newRow("1 MB unit") << QStringList{"7.5", u"300"_qs + QString(1 << 20, u'元'), "500", "", ""} << "8" << "0.6";
    QTest::newRow("1 MB of letters") << QStringList{QString(1 << 20, u'x'), "300", "500", "", ""} << "无效" << "0.6";
    QTest::newRow("NUL inside") << QStringList{"7.5", withNul, "500", "", ""} << "8" << "0.6";
    QTest::newRow("lone surrogates") << QStringList{loneSurrogates, loneSurrogates, "500", "", ""} << "无效" << "无效";
    QTest::newRow("emoji") << QStringList{"7.5", "300", emoji, "", ""} << "无效" << "无效";
    QTest::newRow("junk in all five") << QStringList{emoji, withNul, loneSurrogates, megabyte, u"\u202e∞"_qs} << "无效" << "无效";
    // clang-format on
}

// Whatever is pasted, Calculate finishes and shows a figure, ∞ or 无效, and
// the input boxes keep every character.
void TestCalculatorWindow::pastedJunk()
{
    QFETCH(QStringList, inputs);
    QFETCH(QString, per100);
    QFETCH(QString, perKm);
    const QStringList boxes = inputBoxes + resultBoxes;
    for (qsizetype i = 0; i < boxes.size(); ++i)
        box(boxes[i])->setText(inputs[i]);

    clickCalculate();

    for (qsizetype i = 0; i < inputBoxes.size(); ++i)
        QVERIFY2(box(boxes[i])->text() == inputs[i], qPrintable(boxes[i]));
    QCOMPARE(box(u"编辑框5"_qs)->text(), per100);
    QCOMPARE(box(u"编辑框6"_qs)->text(), perKm);
}

void TestCalculatorWindow::manyClicksInARow()
{
    typeInputs(u"7.89"_qs, u"100"_qs, u"3"_qs);
    for (int i = 0; i < 500; ++i)
        clickCalculate();
    QCOMPARE(box(u"编辑框5"_qs)->text(), u"422.47570764681035"_qs);
    QCOMPARE(box(u"编辑框6"_qs)->text(), u"33.333333333333336"_qs);
    QCOMPARE(box(u"编辑框2"_qs)->text(), u"7.89"_qs);
}

void TestCalculatorWindow::clearEmptiesTheFiveBoxes_data()
{
    QTest::addColumn<QStringList>("typed"); // into 编辑框2 … 编辑框6
    QTest::addColumn<bool>("calculateFirst");
    QTest::newRow("after a calculation") << QStringList{"7.5", "300", "500", "", ""} << true;
    QTest::newRow("already empty") << QStringList{"", "", "", "", ""} << false;
    QTest::newRow("text in every box") << QStringList{"a", "b元", "１", "x", "∞"} << false;
}

void TestCalculatorWindow::clearEmptiesTheFiveBoxes()
{
    QFETCH(QStringList, typed);
    QFETCH(bool, calculateFirst);
    const QStringList boxes = inputBoxes + resultBoxes;
    for (qsizetype i = 0; i < boxes.size(); ++i)
        type(boxes[i], typed[i]);
    if (calculateFirst)
        clickCalculate();

    QStringList emptied;
    for (const QString &name : boxes)
        connect(box(name), &QLineEdit::textChanged, this, [&emptied, name] { emptied << name; });

    clickClear();

    for (const QString &name : boxes)
        QCOMPARE(box(name)->text(), QString());
    // In reading order, and only the boxes that held something changed.
    QStringList expected;
    for (qsizetype i = 0; i < boxes.size(); ++i)
        if (!typed[i].isEmpty() || (calculateFirst && i >= inputBoxes.size()))
            expected << boxes[i];
    QCOMPARE(emptied, expected);
    QCOMPARE(textOf(control(u"编辑框1"_qs)), instructions);
}

void TestCalculatorWindow::calculateAfterClearShowsInvalid()
{
    typeInputs(u"7.5"_qs, u"300"_qs, u"500"_qs);
    clickCalculate();
    clickClear();
    clickCalculate();
    QCOMPARE(box(u"编辑框5"_qs)->text(), u"无效"_qs);
    QCOMPARE(box(u"编辑框6"_qs)->text(), u"无效"_qs);
    for (const QString &name : inputBoxes)
        QCOMPARE(box(name)->text(), QString());
}

void TestCalculatorWindow::clearFromTheKeyboardKeepsTheFocus()
{
    type(u"编辑框2"_qs, u"7.5"_qs);
    box(u"编辑框2"_qs)->setFocus();
    for (int i = 0; i < 4; ++i) // 编辑框3, 编辑框4, 按钮1, 按钮2
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control(u"按钮2"_qs));

    QTest::keyClick(control(u"按钮2"_qs), Qt::Key_Space);

    QCOMPARE(box(u"编辑框2"_qs)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), control(u"按钮2"_qs));
}

// A screen reader presses a button without moving the focus to it.
void TestCalculatorWindow::clearPressedByAScreenReaderKeepsTheFocus()
{
    type(u"编辑框3"_qs, u"300"_qs);
    QCOMPARE(QApplication::focusWidget(), box(u"编辑框3"_qs));

    QAccessibleInterface *button = QAccessible::queryAccessibleInterface(control(u"按钮2"_qs));
    QVERIFY(button && button->actionInterface());
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());

    QTRY_COMPARE(box(u"编辑框3"_qs)->text(), QString()); // the press is animated
    QCOMPARE(QApplication::focusWidget(), box(u"编辑框3"_qs));
}

void TestCalculatorWindow::escapeClosesFromEveryControl_data()
{
    QTest::addColumn<QString>("focused");
    for (const QString &name : focusChain)
        QTest::newRow(qPrintable(name)) << name;
}

void TestCalculatorWindow::escapeClosesFromEveryControl()
{
    QFETCH(QString, focused);
    type(u"编辑框2"_qs, u"7.5"_qs);
    type(u"编辑框5"_qs, u"1"_qs);
    control(focused)->setFocus();
    QCOMPARE(QApplication::focusWidget(), control(focused));

    QTest::keyClick(control(focused), Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

void TestCalculatorWindow::enterDoesNothing_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<Qt::Key>("key");
    for (const QString &name : focusChain) {
        QTest::newRow(qPrintable(name + u" Return"_qs)) << name << Qt::Key_Return;
        QTest::newRow(qPrintable(name + u" Enter"_qs)) << name << Qt::Key_Enter;
    }
}

void TestCalculatorWindow::enterDoesNothing()
{
    QFETCH(QString, focused);
    QFETCH(Qt::Key, key);
    typeInputs(u"7.5"_qs, u"300"_qs, u"500"_qs);
    control(focused)->setFocus();

    QTest::keyClick(control(focused), key);

    QVERIFY(window->isVisible());
    QCOMPARE(QApplication::focusWidget(), control(focused));
    QCOMPARE(box(u"编辑框5"_qs)->text(), QString());
    QCOMPARE(box(u"编辑框6"_qs)->text(), QString());
}

QTEST_MAIN(TestCalculatorWindow)
#include "tst_calculatorwindow.moc"
