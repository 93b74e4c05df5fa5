/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "app/apptitle.h"
#include "app/startup.h"
#include "dictionary/form1.h"
#include "store/kanjitable.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"
#include "ui/controls.h"
#include "ui/fonts.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace kanjiaid;
using namespace Qt::StringLiterals;
using guitest::child;

namespace {

const QStringList RecordLabels = { u"Label1"_s, u"Label2"_s, u"Label3"_s, u"Label11"_s,
    u"Label13"_s, u"Label15"_s, u"Label18"_s };

struct Shown
{
    QString text1, label1, label2, label3, label11, label13, label15, label18;
};

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void startupState();
    void windowIconNotLeftOutByTheLinker();
    void layout_data();
    void layout();
    void fonts_data();
    void fonts();
    void captionsFitTheirControls_data();
    void captionsFitTheirControls();
    void detailsButtonCaptionTakesThreeLines();
    void labelTextReadableOnBackground();
    void tabOrderAndFocus();

    void searchFinds_data();
    void searchFinds();
    void searchMisses_data();
    void searchMisses();
    void searchFillsHiddenLabelsWithoutShowing();
    void directionButtons();
    void japaneseToEnglishShowsLabel2();
    void directionKeepsCurrentRecord();

    void browseSteps();
    void browseAtStartShowsRecordOne();
    void browseUsesEnglishLayout();
    void browsePrompts_data();
    void browsePrompts();
    void browseBadRepliesChangeNothing_data();
    void browseBadRepliesChangeNothing();
    void replyNobodyAskedForFailsTheTest();

    void detailsToggle();
    void detailsToggleAfterJapaneseToEnglish();
    void indonesianToggle();
    void soundCheck_data();
    void soundCheck();
    void help();
    void speaksTheLocalesLanguage_data();
    void speaksTheLocalesLanguage();
    void exitHidesAndQuits();

private:
    QLabel *label(const QString &name) const { return child<QLabel>(m_window.get(), name); }
    QPushButton *button(const QString &name) const
    {
        return child<QPushButton>(m_window.get(), name);
    }
    QLineEdit *text1() const { return child<QLineEdit>(m_window.get(), u"Text1"_s); }
    Form1 *form() const { return qobject_cast<Form1 *>(m_window.get()); }
    void search(const QString &typed);
    Shown shown() const;
    [[nodiscard]] bool setCurrentRecord(int record);

    std::unique_ptr<QWidget> m_window;
    // Closes any dialog a test did not expect, so that it fails the test.
    std::unique_ptr<DialogDriver> m_unexpected;
};

void TestForm1::init()
{
    guitest::useLanguage(u"en"_s);
    m_unexpected = std::make_unique<DialogDriver>();
    m_window.reset(startApplication());
    QVERIFY(form());
}

void TestForm1::cleanup()
{
    m_unexpected->answer();
    QVERIFY2(m_unexpected->seen().isEmpty(), "a dialog opened that the test did not expect");
    m_unexpected.reset();
    m_window.reset();
    // Any window left over is a leak: a dialog not closed, a window not owned.
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived its test");
}

void TestForm1::search(const QString &typed)
{
    text1()->setText(typed);
    QTest::mouseClick(button(u"Command2"_s), Qt::LeftButton);
}

Shown TestForm1::shown() const
{
    return { text1()->text(), label(u"Label1"_s)->text(), label(u"Label2"_s)->text(),
        label(u"Label3"_s)->text(), label(u"Label11"_s)->text(), label(u"Label13"_s)->text(),
        label(u"Label15"_s)->text(), label(u"Label18"_s)->text() };
}

// Through the first-record prompt, which stores the reply plus one. True
// when the record is current afterwards.
bool TestForm1::setCurrentRecord(int record)
{
    if (record == 1) {
        search(u"bad"_s);
        return form()->currentRecord() == 1;
    }
    while (form()->currentRecord() > 1)
        button(u"Command8"_s)->click();
    DialogDriver driver;
    driver.reply(QString::number(record - 1));
    button(u"Command8"_s)->click();
    driver.answer();
    return form()->currentRecord() == record;
}

// Runs before any other window of the process exists: the table is empty
// until a dictionary window loads it, and loaded before that window shows.
void TestForm1::initTestCase()
{
    QCOMPARE(RecordCount(), qint16(0));
    QVERIFY(KanjiData()(1, KanjiColumn).isEmpty());
    const Form1 unshown(applicationTitle());
    QVERIFY(!unshown.isVisible());
    QCOMPARE(RecordCount(), qint16(320));
    QCOMPARE(KanjiData()(1, KanjiColumn), u"悪"_s);
    QCOMPARE(KanjiData()(1, LevelColumn), u"3"_s);
}

void TestForm1::startupState()
{
    QCOMPARE(m_window->objectName(), u"Form1"_s);
    QCOMPARE(m_window->windowTitle(), u"Velmora University: Online Kanji Learning Program"_s);
    QVERIFY(m_window->isVisible());
    QCOMPARE(form()->centralWidget()->size(), QSize(480, 455));

    QAction *menuHelp = nullptr;
    for (QAction *action : form()->menuBar()->actions())
        menuHelp = action->objectName() == u"Help"_s ? action : menuHelp;
    QVERIFY(menuHelp);
    QCOMPARE(menuHelp->text(), u"Help"_s);

    for (const char *name : { "Command3", "Command9" })
        QVERIFY2(button(QString::fromLatin1(name))->isHidden(), name);
    for (const char *name : { "Label2", "Label3", "Label11", "Label12", "Label13" })
        QVERIFY2(label(QString::fromLatin1(name))->isHidden(), name);
    for (const char *name : { "Label4", "Label5", "Label6", "Label7", "Label8", "Label9", "Label10",
             "Label14", "Label15", "Label1", "Label16", "Label17", "Label18" })
        QVERIFY2(label(QString::fromLatin1(name))->isVisible(), name);
    for (const char *name : { "Command1", "Command2", "Command4", "Command5", "Command6",
             "Command7", "Command8", "Command10" })
        QVERIFY2(button(QString::fromLatin1(name))->isVisible(), name);

    QVERIFY(text1()->text().isEmpty());
    for (const QString &name : RecordLabels)
        QVERIFY2(label(name)->text().isEmpty(), qPrintable(name));
    QCOMPARE(label(u"Label7"_s)->text(), u"The Kunyomi:"_s);
    QCOMPARE(label(u"Label8"_s)->text(), u"Enter the English word:"_s);
    QCOMPARE(label(u"Label4"_s)->text().size(), 4);

    QVERIFY(form()->englishToJapanese());
    QVERIFY(!form()->indonesianShown());
    QCOMPARE(form()->detailsShown(), qint16(0));
    QCOMPARE(form()->currentRecord(), qint16(0));
    QCOMPARE(RecordCount(), qint16(320));
}

// The icons live in a static library's resources, which reach the program
// only when the start-up asks for them.
void TestForm1::windowIconNotLeftOutByTheLinker()
{
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    QCOMPARE(sizes, (QList<QSize> { QSize(32, 32), QSize(64, 64) }));
}

void TestForm1::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption"); // empty: none to check
    QTest::addColumn<QRect>("twips");

    const auto row = [](const char *name, const char *caption, int l, int t, int w, int h) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption)
                            << QRect(l, t, w, h);
    };
    row("Label6", "English-Japanese Kanji Dictionary", 0, 240, 7095, 975);
    row("Label9", "Version 1.01 (245 kanji of level 3 and 4)", 1320, 840, 3375, 255);
    row("Label4", "", 4920, 840, 735, 255);
    row("Command5", "English to Japanese", 240, 1440, 975, 615);
    row("Command6", "Japanese to English", 1320, 1440, 855, 615);
    row("Command7", "Browse Up", 2400, 1440, 1215, 255);
    row("Command10", "Check Expression", 4800, 1440, 1935, 495);
    row("Command8", "Browse Down", 2400, 1800, 1215, 255);
    row("Command9", "Show/hide the word in Indonesian", 4800, 2040, 1935, 495);
    row("Label8", "Enter the English word:", 240, 2640, 1815, 255);
    row("Text1", "", 2280, 2640, 2415, 375);
    row("Command2", "Search for the word", 4800, 2640, 1935, 375);
    row("Label14", "Record number:", 240, 3000, 1215, 255);
    row("Label15", "", 1560, 3000, 615, 255);
    row("Label1", "", 2520, 3240, 1215, 855);
    row("Command3", "Hear the kunyomi sound", 5400, 3240, 1335, 735);
    row("Label5", "The Kanji and its onyomi:", 240, 3360, 1935, 375);
    row("Label3", "", 3840, 3360, 1455, 375);
    row("Label17", "Kanji level:", 240, 3840, 975, 255);
    row("Label18", "", 1200, 3840, 495, 255);
    row("Command4", "Show/hide Onyomi, Kunyomi, Example", 5400, 4080, 1335, 855);
    row("Label7", "The Kunyomi:", 240, 4200, 1815, 255);
    row("Label2", "", 2280, 4200, 3015, 375);
    row("Label10", "Example(s) on Onyomi:", 240, 4800, 1935, 375);
    row("Label11", "", 2280, 4800, 2895, 735);
    row("Label12", "The word in Indonesian:", 240, 5640, 1815, 375);
    row("Label13", "", 2280, 5640, 2655, 375);
    row("Command1", "Exit", 5400, 5640, 1335, 615);
    row("Label16", "NOTE: ( ) on kunyomi indicates intransitif verb/jidoushi", 240, 6240, 4695,
        255);
}

void TestForm1::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    auto *widget = child<QWidget>(m_window.get(), name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), form()->centralWidget());
    const auto px = [](int t) { return int(std::lround(t / 15.0)); };
    QCOMPARE(widget->geometry(),
        QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
    if (caption.isEmpty())
        return;
    if (auto *asLabel = qobject_cast<QLabel *>(widget))
        QCOMPARE(asLabel->text(), caption);
    else
        QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), caption);
}

// Every control has its font from start-up on, and keeps it when the search
// box is first focused or typed into.
void TestForm1::fonts_data()
{
    QTest::addColumn<int>("firstUse");
    QTest::newRow("at start-up") << 0;
    QTest::newRow("search box focused") << 1;
    QTest::newRow("search box typed into") << 2;
}

void TestForm1::fonts()
{
    QFETCH(int, firstUse);
    const QStringList japanese
        = ui::resolveFamilies(ui::FontRole::Japanese, QFontDatabase::families());
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    if (firstUse == 1)
        QCoreApplication::sendEvent(text1(), &focusIn);
    else if (firstUse == 2)
        QTest::keyClick(text1(), Qt::Key_A);
    for (const char *name : { "Text1", "Label1", "Label2", "Label3", "Label11", "Label13" }) {
        auto *widget = child<QWidget>(m_window.get(), QString::fromLatin1(name));
        QCOMPARE(widget->font().families(), japanese);
        // On Linux the chain settles on the metric twin, never on a face without kanji.
        QVERIFY2(QFontMetrics(widget->font()).inFont(QChar(u'悪')), name);
        QCOMPARE(widget->font().pointSizeF(), qstrcmp(name, "Label1") == 0 ? 24.0 : 12.0);
    }
    const QFont title = label(u"Label6"_s)->font();
    QCOMPARE(
        title.families(), ui::resolveFamilies(ui::FontRole::Tahoma, QFontDatabase::families()));
    QCOMPARE(title.pointSizeF(), 20.25);
    QVERIFY(title.bold());
    QCOMPARE(label(u"Label9"_s)->font(), ui::interfaceFont());
    QVERIFY(QFontMetrics(label(u"Label4"_s)->font()).inFont(label(u"Label4"_s)->text().at(0)));
}

// Every language the program speaks keeps every caption whole in its fixed
// layout.
void TestForm1::captionsFitTheirControls_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << u"en"_s;
    QTest::newRow("Indonesian") << u"id"_s;
}

void TestForm1::captionsFitTheirControls()
{
    QFETCH(QString, language);
    guitest::useLanguage(language);
    m_window.reset(startApplication());
    // At start-up, then with the captions of the other direction.
    for (const bool japaneseToEnglish : { false, true }) {
        if (japaneseToEnglish)
            QTest::mouseClick(button(u"Command6"_s), Qt::LeftButton);
        const auto labels = m_window->findChildren<QLabel *>();
        for (QLabel *each : labels) {
            if (each->text().isEmpty())
                continue;
            const bool wraps = each->wordWrap();
            const QFontMetrics metrics(each->font());
            const bool fits = wraps
                ? guitest::fitsWrapped(each->font(), each->text(), each->contentsRect())
                : metrics.horizontalAdvance(each->text()) <= each->width()
                    && metrics.height() <= each->height();
            QVERIFY2(fits, qPrintable(each->objectName() + u' ' + each->text()));
        }
    }
    const auto buttons = m_window->findChildren<ui::WrappingButton *>();
    QCOMPARE(buttons.size(), 10);
    for (ui::WrappingButton *each : buttons)
        QVERIFY2(guitest::fitsWrapped(each->font(), each->text(), each->captionRect()),
            qPrintable(each->objectName() + u' ' + each->text()));
}

void TestForm1::detailsButtonCaptionTakesThreeLines()
{
    auto *details = child<ui::WrappingButton>(m_window.get(), u"Command4"_s);
    QCOMPARE(details->size(), QSize(89, 57));
    QCOMPARE(
        guitest::wrappedLines(details->font(), details->text(), details->captionRect().width()), 3);
}

void TestForm1::labelTextReadableOnBackground()
{
    const auto luminance = [](const QColor &colour) {
        const auto channel = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF())
            + 0.0722 * channel(colour.blueF());
    };
    const QPalette palette = label(u"Label8"_s)->palette();
    const double text = luminance(palette.color(QPalette::WindowText));
    const double back = luminance(palette.color(QPalette::Window));
    const double ratio = (std::max(text, back) + 0.05) / (std::min(text, back) + 0.05);
    QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
    QCOMPARE(form()->backgroundColour(), ui::windowBackground());
}

void TestForm1::tabOrderAndFocus()
{
    QCOMPARE(m_window->focusWidget(), button(u"Command1"_s));
    QStringList order;
    QWidget *widget = button(u"Command1"_s);
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isVisibleTo(m_window.get()))
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != button(u"Command1"_s));
    QCOMPARE(order,
        (QStringList { u"Command1"_s, u"Command2"_s, u"Text1"_s, u"Command4"_s, u"Command5"_s,
            u"Command6"_s, u"Command7"_s, u"Command8"_s, u"Command10"_s }));
    for (QLabel *each : m_window->findChildren<QLabel *>())
        QCOMPARE(each->focusPolicy(), Qt::NoFocus);
}

void TestForm1::searchFinds_data()
{
    QTest::addColumn<bool>("japaneseToEnglish");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("label2");

    QTest::newRow("bad") << false << u"bad"_s << 1 << u"bad"_s << u"warui"_s;
    QTest::newRow("capitals and spaces") << false << u"  BaD  "_s << 1 << u"bad"_s << u"warui"_s;
    QTest::newRow("sound is record 19") << false << u"sound"_s << 19 << u"sound"_s << u"ne"_s;
    QTest::newRow("bright is record 182")
        << false << u"bright"_s << 182 << u"bright"_s << u"akarui"_s;
    QTest::newRow("i is record 74") << false << u"i"_s << 74 << u"I"_s << u"watakushi"_s;
    QTest::newRow("chinese; fellow")
        << false << u"chinese; fellow"_s << 32 << u"Chinese; fellow"_s << u"*"_s;
    QTest::newRow("peaceful") << false << u"peaceful"_s << 4 << u"peaceful"_s << u"yasui"_s;
    QTest::newRow("star in English") << false << u"*"_s << 3 << u"*"_s << u"warui"_s;
    QTest::newRow("day; sun is the last row")
        << false << u"day; sun"_s << 320 << u"day; sun"_s << u"ひ"_s;
    QTest::newRow("kunyomi warui") << true << u"warui"_s << 1 << u"warui"_s << u"bad"_s;
    QTest::newRow("star in kunyomi") << true << u"*"_s << 5 << u"*"_s << u"from"_s;
    QTest::newRow("kunyomi capitals") << true << u" HANASU"_s << 319 << u"hanasu"_s << u"talk"_s;
}

void TestForm1::searchFinds()
{
    QFETCH(bool, japaneseToEnglish);
    QFETCH(QString, typed);
    QFETCH(int, record);
    QFETCH(QString, text1);
    QFETCH(QString, label2);
    if (japaneseToEnglish)
        button(u"Command6"_s)->click();
    DialogDriver driver;
    search(typed);
    driver.answer();
    QVERIFY(driver.seen().isEmpty());
    const KanjiTable &table = KanjiData();
    const Shown now = shown();
    QCOMPARE(now.text1, text1);
    QCOMPARE(now.label2, label2);
    QCOMPARE(now.label1, table(record, KanjiColumn));
    QCOMPARE(now.label3, table(record, OnyomiColumn));
    QCOMPARE(now.label11, table(record, ExampleColumn));
    QCOMPARE(now.label13, table(record, IndonesianColumn));
    QCOMPARE(now.label15, u" "_s + QString::number(record));
    QCOMPARE(now.label18, record <= 204 ? u"3"_s : u"4"_s);
    QCOMPARE(int(form()->currentRecord()), record);
    QCOMPARE(form()->englishToJapanese(), !japaneseToEnglish);
}

void TestForm1::searchMisses_data()
{
    QTest::addColumn<bool>("japaneseToEnglish");
    QTest::addColumn<QString>("typed");
    QTest::newRow("part of a field") << false << u"cheap"_s;
    QTest::newRow("empty") << false << QString();
    QTest::newRow("spaces only") << false << u"    "_s;
    QTest::newRow("English word in kunyomi direction") << true << u"bad"_s;
    QTest::newRow("markup is only text") << false << u"<b>bad</b>"_s;
}

void TestForm1::searchMisses()
{
    QFETCH(bool, japaneseToEnglish);
    QFETCH(QString, typed);
    search(u"bright"_s);
    if (japaneseToEnglish)
        button(u"Command6"_s)->click();
    DialogDriver driver;
    search(typed);
    driver.answer();
    QCOMPARE(driver.seen().size(), 1);
    const DialogDriver::Seen &message = driver.seen().first();
    QCOMPARE(message.kind, u"message"_s);
    QCOMPARE(message.text, u"Sorry, the word is not yet in the dictionary!"_s);
    QCOMPARE(message.title, applicationTitle());
    QVERIFY(message.modal);
    QCOMPARE(message.buttonTexts.size(), 1);
    QCOMPARE(text1()->text(), typed);
    for (const QString &name : RecordLabels)
        QVERIFY2(label(name)->text().isEmpty(), qPrintable(name));
    QCOMPARE(form()->currentRecord(), qint16(182));
}

void TestForm1::searchFillsHiddenLabelsWithoutShowing()
{
    search(u"bad"_s);
    QCOMPARE(label(u"Label2"_s)->text(), u"warui"_s);
    for (const char *name : { "Label2", "Label3", "Label11", "Label12", "Label13" })
        QVERIFY2(label(QString::fromLatin1(name))->isHidden(), name);
    QCOMPARE(label(u"Label7"_s)->text(), u"The Kunyomi:"_s);
}

void TestForm1::directionButtons()
{
    search(u"bad"_s);
    button(u"Command6"_s)->click();
    QVERIFY(!form()->englishToJapanese());
    QVERIFY(text1()->text().isEmpty());
    for (const QString &name : RecordLabels)
        QVERIFY(label(name)->text().isEmpty());
    QCOMPARE(label(u"Label7"_s)->text(), u"The English word:"_s);
    QCOMPARE(label(u"Label8"_s)->text(), u"Enter the Kunyomi:"_s);
    QVERIFY(button(u"Command3"_s)->isHidden());
    QVERIFY(!label(u"Label2"_s)->isHidden());

    button(u"Command6"_s)->click(); // pressing it again still runs all its steps
    QVERIFY(text1()->text().isEmpty());
    button(u"Command5"_s)->click();
    QVERIFY(form()->englishToJapanese());
    QCOMPARE(label(u"Label7"_s)->text(), u"The Kunyomi:"_s);
    QCOMPARE(label(u"Label8"_s)->text(), u"Enter the English word:"_s);
    QVERIFY(!label(u"Label2"_s)->isHidden()); // not hidden again
    QVERIFY(button(u"Command4"_s)->isVisible());
    QCOMPARE(form()->detailsShown(), qint16(0));
    search(u"bad"_s);
    QCOMPARE(label(u"Label2"_s)->text(), u"warui"_s);
}

void TestForm1::japaneseToEnglishShowsLabel2()
{
    button(u"Command6"_s)->click();
    search(u"warui"_s);
    QVERIFY(label(u"Label2"_s)->isVisible());
    QCOMPARE(label(u"Label2"_s)->text(), u"bad"_s);
    QVERIFY(label(u"Label3"_s)->isHidden());
    QVERIFY(label(u"Label11"_s)->isHidden());
}

void TestForm1::directionKeepsCurrentRecord()
{
    for (const char *direction : { "Command5", "Command6" }) {
        search(u"drink"_s);
        QCOMPARE(form()->currentRecord(), qint16(10));
        button(QString::fromLatin1(direction))->click();
        button(u"Command5"_s)->click();
        button(u"Command7"_s)->click();
        QCOMPARE(label(u"Label15"_s)->text(), u" 11"_s);
    }
}

void TestForm1::browseSteps()
{
    search(u"bad"_s);
    button(u"Command7"_s)->click();
    QCOMPARE(label(u"Label15"_s)->text(), u" 2"_s);
    QCOMPARE(text1()->text(), u"cheap/peaceful"_s);
    button(u"Command8"_s)->click();
    QCOMPARE(label(u"Label15"_s)->text(), u" 1"_s);
    QCOMPARE(form()->currentRecord(), qint16(1));

    QVERIFY(setCurrentRecord(319));
    button(u"Command7"_s)->click();
    QCOMPARE(label(u"Label15"_s)->text(), u" 320"_s);
    QCOMPARE(label(u"Label2"_s)->text(), u"ひ"_s);
}

void TestForm1::browseAtStartShowsRecordOne()
{
    button(u"Command7"_s)->click();
    const Shown now = shown();
    QCOMPARE(now.text1, u"bad"_s);
    QCOMPARE(now.label1, u"悪"_s);
    QCOMPARE(now.label2, u"warui"_s);
    QCOMPARE(now.label3, u"aku"_s);
    QCOMPARE(now.label11, u"*"_s);
    QCOMPARE(now.label13, u"buruk"_s);
    QCOMPARE(now.label15, u" 1"_s);
    QCOMPARE(now.label18, u"3"_s);
    QVERIFY(label(u"Label2"_s)->isHidden()); // visibility untouched
}

void TestForm1::browseUsesEnglishLayout()
{
    button(u"Command6"_s)->click();
    button(u"Command7"_s)->click();
    QCOMPARE(label(u"Label8"_s)->text(), u"Enter the English word:"_s);
    QCOMPARE(label(u"Label7"_s)->text(), u"The Kunyomi:"_s);
    QCOMPARE(text1()->text(), u"bad"_s);
    QCOMPARE(label(u"Label2"_s)->text(), u"warui"_s);
    QVERIFY(!form()->englishToJapanese());
    // The direction is still kunyomi: the English word in the box is not found.
    DialogDriver driver;
    QTest::mouseClick(button(u"Command2"_s), Qt::LeftButton);
    driver.answer();
    QCOMPARE(driver.seen().size(), 1);
}

void TestForm1::browsePrompts_data()
{
    QTest::addColumn<int>("start"); // current record before the click
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("next"); // the button pressed afterwards
    QTest::addColumn<QString>("nextShows");

    const QString first
        = u"Sorry, This is the first record. Enter the record number (1 to 320) !"_s;
    const QString last = u"Sorry, This is the last record. Enter the record number (1 to 320) !"_s;
    QTest::newRow("first prompt at start, reply 5")
        << 0 << u"Command8"_s << first << u"5"_s << 6 << u"Command8"_s << u" 5"_s;
    QTest::newRow("first prompt at record 1, reply 5, up")
        << 1 << u"Command8"_s << first << u"5"_s << 6 << u"Command7"_s << u" 7"_s;
    QTest::newRow("last prompt, reply 5, up")
        << 320 << u"Command7"_s << last << u"5"_s << 5 << u"Command7"_s << u" 6"_s;
    QTest::newRow("last prompt, reply 5, down")
        << 320 << u"Command7"_s << last << u"5"_s << 5 << u"Command8"_s << u" 4"_s;
    QTest::newRow("last prompt, half to even")
        << 320 << u"Command7"_s << last << u" 2.5 "_s << 2 << u"Command7"_s << u" 3"_s;
    QTest::newRow("first prompt, reply 320 gives 321")
        << 1 << u"Command8"_s << first << u"320"_s << 321 << u"Command8"_s << u" 320"_s;
}

void TestForm1::browsePrompts()
{
    QFETCH(int, start);
    QFETCH(QString, clicked);
    QFETCH(QString, prompt);
    QFETCH(QString, reply);
    QFETCH(int, stored);
    QFETCH(QString, next);
    QFETCH(QString, nextShows);
    if (start > 0)
        QVERIFY(setCurrentRecord(start));
    const Shown before = shown();

    DialogDriver driver;
    driver.reply(reply);
    button(clicked)->click();
    driver.answer();
    QCOMPARE(driver.seen().size(), 1);
    QCOMPARE(driver.seen().first().kind, u"input"_s);
    QCOMPARE(driver.seen().first().text, prompt);
    QCOMPARE(driver.seen().first().title, applicationTitle());
    QVERIFY(driver.seen().first().modal);
    QCOMPARE(int(form()->currentRecord()), stored);
    QCOMPARE(shown().label15, before.label15); // the display stays as it was

    button(next)->click();
    QCOMPARE(label(u"Label15"_s)->text(), nextShows);
}

void TestForm1::browseBadRepliesChangeNothing_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("told");

    for (const char *end : { "Command7", "Command8" }) {
        const QString name = QString::fromLatin1(end);
        const auto row = [&](const char *what, bool cancel, const QString &reply, bool told) {
            QTest::addRow("%s: %s", end, what) << name << cancel << reply << told;
        };
        row("cancel", true, QString(), false);
        row("empty", false, QString(), false);
        row("spaces", false, u"   "_s, false);
        row("word", false, u"abc"_s, true);
        row("zero", false, u"0"_s, true);
        row("minus zero", false, u"-0"_s, true);
        row("above count", false, u"321"_s, true);
        row("huge", false, u"1e9"_s, true);
        row("nan", false, u"NaN"_s, true);
        row("inf", false, u"inf"_s, true);
        row("ten thousand digits", false, QString(10000, u'7'), true);
        row("non-latin digits", false, u"\u0663"_s, true);
    }
}

void TestForm1::browseBadRepliesChangeNothing()
{
    QFETCH(QString, clicked);
    QFETCH(bool, cancel);
    QFETCH(QString, reply);
    QFETCH(bool, told);
    QVERIFY(setCurrentRecord(clicked == u"Command7"_s ? 320 : 1));
    const qint16 before = form()->currentRecord();

    DialogDriver driver;
    if (cancel)
        driver.cancel();
    else
        driver.reply(reply);
    button(clicked)->click();
    driver.answer();
    QCOMPARE(form()->currentRecord(), before);
    QCOMPARE(driver.seen().size(), told ? 2 : 1);
    if (told) {
        const DialogDriver::Seen &message = driver.seen().at(1);
        QCOMPARE(message.kind, u"message"_s);
        QCOMPARE(message.title, applicationTitle());
        QVERIFY(message.text.contains(u"1 to 320"_s));
    }
}

// The dialog driver's own guard: a browse step that asks nothing leaves the
// reply queued, and the driver fails the test when it goes.
void TestForm1::replyNobodyAskedForFailsTheTest()
{
    QEXPECT_FAIL("", "the reply is never asked for", Continue);
    {
        DialogDriver driver;
        driver.reply(u"5"_s);
        button(u"Command7"_s)->click();
        driver.answer();
    }
    QCOMPARE(form()->currentRecord(), qint16(1));
}

void TestForm1::detailsToggle()
{
    button(u"Command4"_s)->click();
    for (const char *name : { "Label2", "Label3", "Label11" })
        QVERIFY2(label(QString::fromLatin1(name))->isVisible(), name);
    QCOMPARE(form()->detailsShown(), qint16(-1));
    button(u"Command4"_s)->click();
    for (const char *name : { "Label2", "Label3", "Label11" })
        QVERIFY2(label(QString::fromLatin1(name))->isHidden(), name);
    QCOMPARE(form()->detailsShown(), qint16(0));
}

void TestForm1::detailsToggleAfterJapaneseToEnglish()
{
    button(u"Command6"_s)->click();
    button(u"Command4"_s)->click();
    QCOMPARE(form()->detailsShown(), qint16(-1));
    for (const char *name : { "Label2", "Label3", "Label11" })
        QVERIFY2(label(QString::fromLatin1(name))->isVisible(), name);
    button(u"Command4"_s)->click();
    for (const char *name : { "Label2", "Label3", "Label11" })
        QVERIFY2(label(QString::fromLatin1(name))->isHidden(), name);
}

void TestForm1::indonesianToggle()
{
    auto *hidden = button(u"Command9"_s);
    hidden->click();
    QVERIFY(form()->indonesianShown());
    QVERIFY(label(u"Label12"_s)->isVisible());
    QVERIFY(label(u"Label13"_s)->isVisible());
    QVERIFY(hidden->isHidden());
    hidden->click();
    QVERIFY(!form()->indonesianShown());
    QVERIFY(label(u"Label12"_s)->isHidden());
    QVERIFY(label(u"Label13"_s)->isHidden());
}

void TestForm1::soundCheck_data()
{
    QTest::addColumn<QString>("word"); // searched first; empty: nothing shown
    QTest::addColumn<QString>("file"); // present in the working folder
    QTest::addColumn<bool>("told");

    QTest::newRow("present") << u"bad"_s << u"warui.wav"_s << false;
    QTest::newRow("missing") << u"bad"_s << u"yasui.wav"_s << true;
    QTest::newRow("nothing shown: .wav missing") << QString() << u"warui.wav"_s << true;
    QTest::newRow("star does not match any wave file") << u"from"_s << u"warui.wav"_s << true;
    QTest::newRow("English with slash") << u"!cheap/peaceful"_s << u"cheap/peaceful.wav"_s << true;
}

void TestForm1::soundCheck()
{
    QFETCH(QString, word);
    QFETCH(QString, file);
    QFETCH(bool, told);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(QFileInfo(file).path()));
    QVERIFY(QFile(QDir(dir.path()).filePath(file)).open(QIODevice::WriteOnly));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));

    if (word.startsWith(u'!')) { // English into Label2: the Japanese-to-English direction
        button(u"Command6"_s)->click();
        search(u"yasui"_s);
    } else if (!word.isEmpty()) {
        search(word);
    }
    DialogDriver driver;
    button(u"Command3"_s)->click();
    QDir::setCurrent(previous);
    driver.answer();
    QCOMPARE(driver.seen().size(), told ? 1 : 0);
    if (told) {
        QCOMPARE(driver.seen().first().text, u"Sorry the sound file is not available yet"_s);
        QCOMPARE(driver.seen().first().title, applicationTitle());
    }
    QVERIFY(button(u"Command3"_s)->isHidden());
}

void TestForm1::help()
{
    const QList<QAction *> help = form()->menuBar()->findChildren<QAction *>(u"Help"_s);
    QCOMPARE(help.size(), 1);
    DialogDriver driver;
    help.first()->trigger();
    driver.answer();
    QCOMPARE(driver.seen().size(), 1);
    QCOMPARE(driver.seen().first().title, applicationTitle());
    QCOMPARE(driver.seen().first().buttonTexts.size(), 1);
    QCOMPARE(driver.seen().first().text,
        u"Do you know that the most frequently used kanji (1945) consist of: (A) 152 basic "
        "form (single unit) Kanji (B) 483 Semantic compound Kanji (kanji with similar meaning "
        "based on its classifiers/parts), (C) 1310 Phonetic compound Kanji (Kanji with "
        "same/similar pronounciation based on its left/right/up/down part or bushu)? By "
        "remembering the onyomi reading of Phonetic compound Kanji, you can easily guess the "
        "pronounciation of almost 67 % of them!"_s);
}

// The catalogue follows the first of the locale's languages that has one;
// English, the language the texts are written in, stands for every other.
void TestForm1::speaksTheLocalesLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("inputButtons");
    QTest::addColumn<QString>("undo"); // the search box's context menu

    const QString english = u"Velmora University: Online Kanji Learning Program"_s;
    const QStringList okCancel = { u"OK"_s, u"Cancel"_s };
    for (const QString &language : { u"en"_s, u"en_GB"_s, u"C"_s, u"de"_s, u"ja"_s }) {
        QTest::addRow("%s", qPrintable(language))
            << language << english << u"Kanji Learning Program"_s << okCancel << u"&Undo"_s;
    }
    for (const QString &language : { u"id"_s, u"id_ID"_s }) {
        QTest::addRow("%s", qPrintable(language))
            << language << u"Universitas Velmora: Program Belajar Kanji Daring"_s
            << u"Program Belajar Kanji"_s << QStringList { u"OK"_s, u"Batal"_s } << u"&Urungkan"_s;
    }
}

void TestForm1::speaksTheLocalesLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, caption);
    QFETCH(QString, title);
    QFETCH(QStringList, inputButtons);
    QFETCH(QString, undo);
    guitest::useLanguage(language);
    m_window.reset(startApplication());
    QCOMPARE(m_window->windowTitle(), caption);
    const std::unique_ptr<QMenu> menu(text1()->createStandardContextMenu());
    QVERIFY2(menu->actions().first()->text().startsWith(undo),
        qPrintable(menu->actions().first()->text()));

    DialogDriver driver;
    driver.cancel();
    QTest::mouseClick(button(u"Command8"_s), Qt::LeftButton); // Browse Down at the first record
    driver.answer();
    form()->Help_Click();
    driver.answer();
    QCOMPARE(driver.seen().size(), 2);
    QCOMPARE(driver.seen().at(0).title, title);
    QCOMPARE(driver.seen().at(0).buttonTexts, inputButtons);
    QCOMPARE(driver.seen().at(1).title, title);
    QCOMPARE(driver.seen().at(1).buttonTexts, QStringList { u"OK"_s });
}

void TestForm1::exitHidesAndQuits()
{
    // quit() does nothing outside exec(): click Exit from inside a running loop.
    bool clicked = false;
    bool fellBack = false;
    QTimer click;
    click.setSingleShot(true);
    connect(&click, &QTimer::timeout, this, [&] {
        QTest::mouseClick(button(u"Command1"_s), Qt::LeftButton);
        clicked = true;
    });
    QTimer fallBack;
    fallBack.setSingleShot(true);
    connect(&fallBack, &QTimer::timeout, this, [&] {
        fellBack = true;
        QCoreApplication::quit();
    });
    click.start(0);
    fallBack.start(10000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(clicked);
    QVERIFY(!fellBack);
    QVERIFY(!m_window->isVisible());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
