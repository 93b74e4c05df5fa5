/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "app/apptitle.h"
#include "app/startup.h"
#include "dictionary/form1.h"
#include "expression/form2.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"
#include "ui/controls.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace kanjiaid;
using namespace Qt::StringLiterals;
using guitest::child;

class TestForm2 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void notCreatedAtStart();
    void firstShow();
    void layout_data();
    void layout();
    void grid();
    void captionsFitTheirControls_data();
    void captionsFitTheirControls();
    void tabOrderAndFocus();
    void statesKeptAcrossSwitches();
    void closeBoxGoesBackToMain();
    void closingMainEndsBoth();

    void pasteReplacesWholeText_data();
    void pasteReplacesWholeText();
    void runLaysOut_data();
    void runLaysOut();
    void runLimitMessage_data();
    void runLimitMessage();
    void sixteenthCharacterStartsRowTwo();
    void clickLooksUp_data();
    void clickLooksUp();
    void highlightIsPaintedWhite();
    void notFoundRemovesPreviousHighlight();
    void runKeepsResultAndHighlight();
    void staleCharacterBeyondShorterExpression();
    void surrogatePairStaysInOneLabel();

    void conjugatorWiring();
    void conjugatorTooShortKeepsWindowUsable();

private:
    Form2 *open();
    QLabel *cell(int i) const { return child<QLabel>(m_form2, u"Label2(%1)"_s.arg(i)); }
    QLabel *label(const QString &name) const { return child<QLabel>(m_form2, name); }
    QPushButton *button(const QString &name) const { return child<QPushButton>(m_form2, name); }
    QPlainTextEdit *text1() const { return child<QPlainTextEdit>(m_form2, u"Text1"_s); }
    void run(const QString &expression);
    void clickCell(int i) { QTest::mouseClick(cell(i), Qt::LeftButton); }
    static bool painted(QLabel *label, const QColor &colour);

    std::unique_ptr<QWidget> m_window;
    // Closes, late, any dialog a test did not expect, so that a fault fails
    // the test instead of hanging the run.
    std::unique_ptr<DialogDriver> m_unexpected;
    Form2 *m_form2 = nullptr;
};

void TestForm2::init()
{
    guitest::useLanguage(u"en"_s);
    m_unexpected = std::make_unique<DialogDriver>();
    m_window.reset(startApplication());
    m_form2 = nullptr;
}

void TestForm2::cleanup()
{
    m_unexpected->answer();
    QVERIFY2(m_unexpected->seen().isEmpty(), "a dialog opened that the test did not expect");
    m_unexpected.reset();
    m_window.reset();
    m_form2 = nullptr;
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived its test");
}

Form2 *TestForm2::open()
{
    QTest::mouseClick(child<QPushButton>(m_window.get(), u"Command10"_s), Qt::LeftButton);
    m_form2 = qobject_cast<Form2 *>(guitest::topLevel(u"Form2"_s));
    return m_form2;
}

void TestForm2::run(const QString &expression)
{
    text1()->setPlainText(expression);
    QTest::mouseClick(button(u"Command1"_s), Qt::LeftButton);
}

// Whether most of the label, as drawn, is in the colour: the glyph covers the rest.
bool TestForm2::painted(QLabel *label, const QColor &colour)
{
    const QImage image = label->grab().toImage();
    int matching = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            matching += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    return matching * 2 > image.width() * image.height();
}

void TestForm2::notCreatedAtStart()
{
    QVERIFY(guitest::topLevel(u"Form2"_s) == nullptr);
}

void TestForm2::firstShow()
{
    QVERIFY(open());
    QVERIFY(m_form2->isVisible());
    QVERIFY(m_form2->isWindow());
    QVERIFY(m_form2->parentWidget() == nullptr);
    QVERIFY(m_window->isHidden());
    QCOMPARE(m_form2->windowTitle(), u"Velmora University, Japan"_s);
    QCOMPARE(m_form2->size(), QSize(541, 491));
    QCOMPARE(m_form2->exprLimit(), qint16(60));
    QCOMPARE(m_form2->selectedIndex(), qint16(0));
    QVERIFY(text1()->toPlainText().isEmpty());
    QVERIFY(label(u"Label1"_s)->text().isEmpty());
    for (int i = 0; i < 60; ++i)
        QVERIFY(cell(i)->text().isEmpty());
    for (int i = 1; i <= 10; ++i)
        QVERIFY(child<QCheckBox>(m_form2, u"Check%1"_s.arg(i))->isChecked());
}

void TestForm2::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<bool>("inFrame");

    const auto row = [](const QString &name, const QString &caption, QRect twips, bool inFrame) {
        QTest::newRow(qPrintable(name)) << name << caption << twips << inFrame;
    };
    row(u"Label3"_s, u"Enter any kanji expression (on Japanese O/S only):"_s,
        { 120, 120, 4575, 375 }, false);
    row(u"Command3"_s, u"or Paste from other source"_s, { 4680, 0, 1332, 492 }, false);
    row(u"Label4"_s, u"On, kun, meaning:"_s, { 6120, 120, 1815, 255 }, false);
    row(u"Label1"_s, QString(), { 6120, 360, 1935, 975 }, false);
    row(u"Text1"_s, QString(), { 240, 480, 5775, 855 }, false);
    row(u"Command1"_s, u"RUN and click on any kanji below:"_s, { 240, 1560, 3615, 375 }, false);
    row(u"Command5"_s, u"Back to Main"_s, { 4680, 1560, 1332, 372 }, false);
    row(u"Label15"_s, u"Enter any verb in romaji:"_s, { 120, 4080, 1215, 375 }, false);
    row(u"Text2"_s, QString(), { 1440, 4080, 1215, 375 }, false);
    row(u"Command4"_s, u"RUN"_s, { 1440, 4680, 1215, 375 }, false);
    row(u"Frame1"_s, u"Select one or more:"_s, { 2880, 4080, 3615, 3135 }, false);
    const QStringList captions = { u"dictionary-form:"_s, u"masu-form:"_s, u"ta-form:"_s,
        u"te-form:"_s, u"Imperative form:"_s, u"Conditional-form:"_s, u"Volitional form:"_s,
        u"nai-form:"_s, u"Passive-form:"_s, u"Causative-form:"_s };
    const int tops[] = { 360, 720, 960, 1200, 1440, 1680, 1920, 2160, 2400, 2640 };
    const int widths[] = { 1575, 1335, 1095, 1215, 1815, 1815, 1455, 1335, 1695, 1695 };
    for (int i = 0; i < 10; ++i) {
        row(u"Check%1"_s.arg(i + 1), captions.at(i), { 120, tops[i], widths[i], 255 }, true);
        const bool tall = i < 2;
        row(u"Label%1"_s.arg(i + 5), QString(),
            { 2040, tops[i], tall ? 1215 : 1212, tall ? 255 : 252 }, true);
    }
}

void TestForm2::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    QFETCH(bool, inFrame);
    QVERIFY(open());
    auto *widget = child<QWidget>(m_form2, name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), inFrame ? child<QWidget>(m_form2, u"Frame1"_s) : m_form2);
    const auto px = [](int t) { return int(std::lround(t / 15.0)); };
    QCOMPARE(widget->geometry(),
        QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
    if (auto *asLabel = qobject_cast<QLabel *>(widget))
        QCOMPARE(asLabel->text(), caption);
    else if (auto *asButton = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(asButton->text(), caption);
    else if (auto *asFrame = qobject_cast<QGroupBox *>(widget))
        QCOMPARE(asFrame->title(), caption);
}

void TestForm2::grid()
{
    QVERIFY(open());
    const int tops[] = { 2160, 2760, 3240, 3720 };
    const int lefts[] = { 240, 720, 1200, 1680, 2160, 2520, 3000, 3480, 3960, 4440, 4920, 5400,
        5880, 6360, 6720 };
    const auto px = [](int t) { return int(std::lround(t / 15.0)); };
    for (int i = 0; i < 60; ++i) {
        const int column = i % 15;
        const QRect expected(
            px(lefts[column]), px(tops[i / 15]), px(column == 13 ? 255 : 375), px(255));
        QCOMPARE(cell(i)->geometry(), expected);
        QVERIFY(QFontMetrics(cell(i)->font()).inFont(QChar(u'語')));
    }
}

void TestForm2::captionsFitTheirControls_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << u"en"_s;
    QTest::newRow("Indonesian") << u"id"_s;
}

void TestForm2::captionsFitTheirControls()
{
    QFETCH(QString, language);
    guitest::useLanguage(language);
    m_window.reset(startApplication());
    QVERIFY(open());
    run(u"x"_s);
    clickCell(0); // the answer for a character the dictionary lacks
    for (QLabel *each : m_form2->findChildren<QLabel *>()) {
        // The grid's cells hold one character each, checked with the grid.
        if (!each->text().isEmpty() && !each->objectName().startsWith(u"Label2("))
            QVERIFY2(guitest::fitsWrapped(each->font(), each->text(), each->contentsRect()),
                qPrintable(each->objectName() + u' ' + each->text()));
    }
    for (ui::WrappingButton *each : m_form2->findChildren<ui::WrappingButton *>())
        QVERIFY2(guitest::fitsWrapped(each->font(), each->text(), each->captionRect()),
            qPrintable(each->objectName()));
    for (QCheckBox *each : m_form2->findChildren<QCheckBox *>()) {
        QVERIFY2(each->sizeHint().width() <= each->width(),
            qPrintable(u"%1 %2: needs %3 px, has %4"_s.arg(each->objectName(), each->text())
                    .arg(each->sizeHint().width())
                    .arg(each->width())));
    }
    const auto *frame = child<QGroupBox>(m_form2, u"Frame1"_s);
    QVERIFY(frame->minimumSizeHint().width() <= frame->width());
}

void TestForm2::tabOrderAndFocus()
{
    QVERIFY(open());
    QCOMPARE(m_form2->focusWidget(), button(u"Command3"_s));
    QStringList order;
    QWidget *widget = button(u"Command3"_s);
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isVisibleTo(m_form2))
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != button(u"Command3"_s));
    QCOMPARE(order.join(u' '),
        u"Command3 Command1 Text1 Check10 Check9 Check6 Check1 Check2 Check3 Check4 Check5 "
        "Check7 Check8 Command4 Text2 Command5"_s);
    QVERIFY(text1()->tabChangesFocus());
}

void TestForm2::statesKeptAcrossSwitches()
{
    auto *form1 = qobject_cast<Form1 *>(m_window.get());
    child<QLineEdit>(form1, u"Text1"_s)->setText(u"bright"_s);
    child<QPushButton>(form1, u"Command2"_s)->click();
    QVERIFY(open());
    run(u"明日は"_s);
    clickCell(0);
    child<QLineEdit>(m_form2, u"Text2"_s)->setText(u"matsu"_s);
    button(u"Command4"_s)->click();

    QTest::mouseClick(button(u"Command5"_s), Qt::LeftButton);
    QVERIFY(m_form2->isHidden());
    QVERIFY(m_window->isVisible());
    QCOMPARE(child<QLabel>(form1, u"Label15"_s)->text(), u" 182"_s);
    QCOMPARE(form1->currentRecord(), qint16(182));

    Form2 *const first = m_form2;
    QVERIFY(open());
    QCOMPARE(m_form2, first); // loaded once, kept
    QVERIFY(m_window->isHidden());
    QCOMPARE(text1()->toPlainText(), u"明日は"_s);
    QCOMPARE(cell(2)->text(), u"は"_s);
    QCOMPARE(label(u"Label1"_s)->text(), u"akarui; mei/myou; bright"_s);
    QVERIFY(painted(cell(0), Qt::white));
    QCOMPARE(m_form2->selectedIndex(), qint16(0));
    QCOMPARE(label(u"Label6"_s)->text(), u"machimasu"_s);

    QTest::mouseClick(button(u"Command5"_s), Qt::LeftButton);
    child<QPushButton>(form1, u"Command7"_s)->click();
    QCOMPARE(child<QLabel>(form1, u"Label15"_s)->text(), u" 183"_s);
}

void TestForm2::closeBoxGoesBackToMain()
{
    QVERIFY(open());
    QVERIFY(m_form2->close());
    QVERIFY(m_form2->isHidden());
    QVERIFY(m_window->isVisible());
}

void TestForm2::closingMainEndsBoth()
{
    QVERIFY(open());
    QTest::mouseClick(button(u"Command5"_s), Qt::LeftButton);
    m_window->close();
    QVERIFY(m_window->isHidden());
    QVERIFY(m_form2->isHidden());
}

void TestForm2::pasteReplacesWholeText_data()
{
    QTest::addColumn<bool>("hasText");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("text") << true << u"日本語\n勉強"_s;
    QTest::newRow("empty clipboard") << false << QString();
}

void TestForm2::pasteReplacesWholeText()
{
    QFETCH(bool, hasText);
    QFETCH(QString, clipboard);
    QVERIFY(open());
    if (hasText) {
        QGuiApplication::clipboard()->setText(clipboard);
    } else {
        auto *image = new QMimeData; // the clipboard takes it
        image->setData(u"application/octet-stream"_s, QByteArray("\x01\x02", 2));
        QGuiApplication::clipboard()->setMimeData(image);
    }
    text1()->setPlainText(u"old text that was here"_s);
    QTextCursor cursor = text1()->textCursor();
    cursor.setPosition(2);
    text1()->setTextCursor(cursor); // only a caret, no selection: all is replaced anyway
    QTest::mouseClick(button(u"Command3"_s), Qt::LeftButton);
    QCOMPARE(text1()->toPlainText(), clipboard);
    QVERIFY(cell(0)->text().isEmpty()); // no analysis yet
    QGuiApplication::clipboard()->clear();
}

void TestForm2::runLaysOut_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("empty") << QString() << QStringList {};
    QTest::newRow("kanji and kana") << u"悪い人"_s << QStringList { u"悪"_s, u"い"_s, u"人"_s };
    QTest::newRow("line break takes CR and LF")
        << u"一\n二"_s << QStringList { u"一"_s, u"\r"_s, u"\n"_s, u"二"_s };
}

void TestForm2::runLaysOut()
{
    QFETCH(QString, expression);
    QFETCH(QStringList, cells);
    QVERIFY(open());
    run(QString(60, u'x'));
    DialogDriver driver;
    run(expression);
    driver.answer();
    QVERIFY(driver.seen().isEmpty());
    for (int i = 0; i < 60; ++i) {
        const QString expected = cells.value(i);
        QCOMPARE(cell(i)->text(), expected);
        QCOMPARE(m_form2->exprChar(i + 1), expected);
    }
}

void TestForm2::runLimitMessage_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("told");
    QTest::newRow("60: no message") << 60 << false;
    QTest::newRow("61: message") << 61 << true;
}

void TestForm2::runLimitMessage()
{
    QFETCH(int, length);
    QFETCH(bool, told);
    QVERIFY(open());
    QString expression(length, u'語');
    expression[0] = u'悪';
    DialogDriver driver;
    run(expression);
    driver.answer();
    QCOMPARE(driver.seen().size(), told ? 1 : 0);
    if (told) {
        QCOMPARE(driver.seen().first().text, u"We will take the first 60 letters only!"_s);
        QCOMPARE(driver.seen().first().title, applicationTitle());
    }
    for (int i = 0; i < 60; ++i)
        QCOMPARE(cell(i)->text(), i == 0 ? u"悪"_s : u"語"_s);
    QCOMPARE(text1()->toPlainText().size(), length); // the box keeps all of it
    clickCell(0);
    QCOMPARE(label(u"Label1"_s)->text(), u"warui; aku; bad"_s);
}

void TestForm2::sixteenthCharacterStartsRowTwo()
{
    QVERIFY(open());
    run(u"一二三四五六七八九十一二三四五人"_s);
    QCOMPARE(cell(15)->text(), u"人"_s);
    QCOMPARE(cell(15)->x(), cell(0)->x());
    QVERIFY(cell(15)->y() > cell(14)->y());
}

void TestForm2::clickLooksUp_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("highlighted");
    const QString missing = u"That kanji isn't in this dictionary yet."_s;
    QTest::newRow("first record of two") << u"悪"_s << 0 << u"warui; aku; bad"_s << true;
    QTest::newRow("placeholder kunyomi") << u"意味"_s << 0 << u"*; i; mind; meaning"_s << true;
    QTest::newRow("hiragana") << u"悪い"_s << 1 << missing << false;
    QTest::newRow("space") << u"悪 "_s << 1 << missing << false;
    QTest::newRow("latin") << u"a"_s << 0 << missing << false;
    QTest::newRow("line break") << u"悪\n"_s << 2 << missing << false;
    QTest::newRow("empty label before any expression") << QString() << 30 << missing << false;
}

void TestForm2::clickLooksUp()
{
    QFETCH(QString, expression);
    QFETCH(int, clicked);
    QFETCH(QString, result);
    QFETCH(bool, highlighted);
    QVERIFY(open());
    run(expression);
    clickCell(clicked);
    QCOMPARE(label(u"Label1"_s)->text(), result);
    QCOMPARE(m_form2->selectedIndex(), qint16(clicked));
    QCOMPARE(painted(cell(clicked), Qt::white), highlighted);
}

void TestForm2::highlightIsPaintedWhite()
{
    QVERIFY(open());
    run(u"日本"_s);
    const QColor background = qobject_cast<Form1 *>(m_window.get())->backgroundColour();
    QVERIFY(painted(cell(1), background));
    clickCell(1);
    QVERIFY(painted(cell(1), Qt::white));
    clickCell(0);
    QVERIFY(painted(cell(1), background));
    QVERIFY(painted(cell(0), Qt::white));
    clickCell(0); // the same label again stays highlighted
    QVERIFY(painted(cell(0), Qt::white));
}

void TestForm2::notFoundRemovesPreviousHighlight()
{
    QVERIFY(open());
    run(u"日はa"_s);
    clickCell(0);
    QVERIFY(painted(cell(0), Qt::white));
    clickCell(1);
    QVERIFY(!painted(cell(0), Qt::white));
    QVERIFY(!painted(cell(1), Qt::white));
    QCOMPARE(label(u"Label1"_s)->text(), u"That kanji isn't in this dictionary yet."_s);
}

void TestForm2::runKeepsResultAndHighlight()
{
    QVERIFY(open());
    run(u"日本"_s);
    clickCell(1);
    const QString result = label(u"Label1"_s)->text();
    run(u"山"_s);
    QCOMPARE(label(u"Label1"_s)->text(), result);
    QVERIFY(painted(cell(1), Qt::white));
    QCOMPARE(m_form2->selectedIndex(), qint16(1));
}

void TestForm2::staleCharacterBeyondShorterExpression()
{
    QVERIFY(open());
    run(u"山川日本"_s);
    run(u"山"_s);
    QVERIFY(cell(3)->text().isEmpty());
    clickCell(3);
    QCOMPARE(label(u"Label1"_s)->text(), u"That kanji isn't in this dictionary yet."_s);
    QVERIFY(!painted(cell(3), Qt::white));
}

void TestForm2::surrogatePairStaysInOneLabel()
{
    QVERIFY(open());
    const QString pair = u"𠮷"_s;
    QString expression;
    for (int i = 0; i < 60; ++i)
        expression += pair;
    DialogDriver driver;
    run(expression);
    driver.answer();
    QVERIFY(driver.seen().isEmpty()); // sixty characters, not 120 code units
    for (int i = 0; i < 60; ++i)
        QCOMPARE(cell(i)->text(), pair);
    run(u"日"_s + pair + u"本"_s);
    QCOMPARE(cell(1)->text(), pair);
    QCOMPARE(cell(2)->text(), u"本"_s);
}

void TestForm2::conjugatorWiring()
{
    QVERIFY(open());
    auto *verb = child<QLineEdit>(m_form2, u"Text2"_s);
    verb->setText(u" Taberu "_s);
    button(u"Command4"_s)->click();
    const QStringList taberu
        = u"taberu tabemasu tabeta tabete tabero tabereba tabeyou tabenai taberareru tabesaseru"_s
              .split(u' ');
    for (int i = 0; i < 10; ++i)
        QCOMPARE(label(u"Label%1"_s.arg(i + 5))->text(), taberu.at(i));

    for (int i : { 1, 3, 4, 6, 7, 8, 9, 10 })
        child<QCheckBox>(m_form2, u"Check%1"_s.arg(i))->setChecked(false);
    verb->setText(u"kuru"_s);
    button(u"Command4"_s)->click();
    for (int i = 0; i < 10; ++i) {
        const QString expected = i == 1 ? u"kimasu"_s : i == 4 ? u"koi"_s : QString();
        QCOMPARE(label(u"Label%1"_s.arg(i + 5))->text(), expected); // earlier forms emptied
    }
    QCOMPARE(verb->text(), u"kuru"_s);
}

void TestForm2::conjugatorTooShortKeepsWindowUsable()
{
    QVERIFY(open());
    auto *verb = child<QLineEdit>(m_form2, u"Text2"_s);
    DialogDriver driver;
    for (const QString &typed : { QString(), u"k"_s, u"\u0001"_s }) {
        verb->setText(typed);
        button(u"Command4"_s)->click();
        QVERIFY(label(u"Label7"_s)->text().isEmpty()); // ta-form needs two letters
    }
    verb->setText(u"😀"_s); // two UTF-16 letters
    button(u"Command4"_s)->click();
    driver.answer();
    QVERIFY(driver.seen().isEmpty());
    verb->setText(u"yomu"_s);
    button(u"Command4"_s)->click();
    QCOMPARE(label(u"Label7"_s)->text(), u"yonda"_s);
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
