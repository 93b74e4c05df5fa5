/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "dictionary/form1.h"

#include "dictionary/recordreply.h"
#include "dictionary/soundfile.h"
#include "dictionary/wordsearch.h"
#include "store/kanjitable.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/fonts.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>

#include <utility>

namespace kanjiaid {

using ui::twipsRect;

namespace {

QString englishPrompt()
{
    return Form1::tr("Enter the English word:");
}

QString kunyomiPrompt()
{
    return Form1::tr("Enter the Kunyomi:");
}

QString kunyomiCaption()
{
    //: Caption of the reading shown in the English-to-Japanese direction
    return Form1::tr("The Kunyomi:");
}

QString englishCaption()
{
    //: Caption of the meaning shown in the Japanese-to-English direction
    return Form1::tr("The English word:");
}

constexpr int ClientWidth = 480; // 7200 twips
constexpr int ClientHeight = 455; // 6825 twips

} // namespace

Form1::Form1(const QString &applicationTitle, QWidget *parent)
    : QMainWindow(parent)
    , m_title(applicationTitle)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Velmora University: Online Kanji Learning Program"));
    createControls();
    Form_Load();
}

QColor Form1::backgroundColour() const
{
    return palette().color(QPalette::Window);
}

void Form1::createControls()
{
    ui::styleWindow(this);
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setMinimumSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    const auto label = [client](const char *name, const QString &caption, const QRect &geometry) {
        return ui::makeLabel(client, QString::fromLatin1(name), caption, geometry);
    };
    // Screen readers speak a value label by its fixed name, then what it holds.
    const auto value = [client](const char *name, const QString &spoken, const QRect &geometry) {
        return ui::makeValueLabel(client, QString::fromLatin1(name), spoken, geometry);
    };
    const auto button = [client](const char *name, const QString &caption, const QRect &geometry) {
        return ui::makeButton(client, QString::fromLatin1(name), caption, geometry);
    };
    const auto centred = Qt::AlignHCenter | Qt::AlignTop;

    Label6 = ui::makeLabel(client, QStringLiteral("Label6"),
        tr("English-Japanese Kanji Dictionary"), twipsRect(0, 240, 7095, 975), centred);
    Label6->setFont(ui::tahomaFont(20.25, true));
    Label6->setWordWrap(false);
    Label9 = ui::makeLabel(client, QStringLiteral("Label9"),
        tr("Version 1.01 (245 kanji of level 3 and 4)"), twipsRect(1320, 840, 3375, 255), centred);
    //: Beside the version line: the examination whose levels the records follow
    Label4 = label("Label4", tr("JLPT"), twipsRect(4920, 840, 735, 255));
    Command5 = button("Command5", tr("English to Japanese"), twipsRect(240, 1440, 975, 615));
    Command6 = button("Command6", tr("Japanese to English"), twipsRect(1320, 1440, 855, 615));
    //: Shows the record with the next higher record number
    Command7 = button("Command7", tr("Browse Up", "records"), twipsRect(2400, 1440, 1215, 255));
    Command10 = button("Command10", tr("Check Expression"), twipsRect(4800, 1440, 1935, 495));
    //: Shows the record with the next lower record number
    Command8 = button("Command8", tr("Browse Down", "records"), twipsRect(2400, 1800, 1215, 255));
    Command9 = button(
        "Command9", tr("Show/hide the word in Indonesian"), twipsRect(4800, 2040, 1935, 495));
    Label8 = label("Label8", englishPrompt(), twipsRect(240, 2640, 1815, 255));

    Text1 = new QLineEdit(client);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(ui::japaneseFont(12));
    Text1->setGeometry(twipsRect(2280, 2640, 2415, 375));

    Command2 = button("Command2", tr("Search for the word"), twipsRect(4800, 2640, 1935, 375));
    Label14 = label("Label14", tr("Record number:"), twipsRect(240, 3000, 1215, 255));
    //: Spoken names of the labels that show a record's fields
    Label15 = value("Label15", tr("Record number"), twipsRect(1560, 3000, 615, 255));
    Label1 = value("Label1", tr("Kanji"), twipsRect(2520, 3240, 1215, 855));
    Label1->setFont(ui::japaneseFont(24));
    Command3 = button("Command3", tr("Hear the kunyomi sound"), twipsRect(5400, 3240, 1335, 735));
    Label5 = label("Label5", tr("The Kanji and its onyomi:"), twipsRect(240, 3360, 1935, 375));
    Label3 = value("Label3", tr("Onyomi"), twipsRect(3840, 3360, 1455, 375));
    Label3->setFont(ui::japaneseFont(12));
    //: Caption of the record's level (3 or 4) in the examination
    Label17 = label("Label17", tr("Kanji level:"), twipsRect(240, 3840, 975, 255));
    Label18 = value("Label18", tr("Kanji level"), twipsRect(1200, 3840, 495, 255));
    Command4 = button(
        "Command4", tr("Show/hide Onyomi, Kunyomi, Example"), twipsRect(5400, 4080, 1335, 855));
    //: Caption of the reading before the window has loaded; replaced at once by "The Kunyomi:"
    Label7 = label("Label7", tr("The kunyomi:"), twipsRect(240, 4200, 1815, 255));
    Label2 = value("Label2", tr("Kunyomi"), twipsRect(2280, 4200, 3015, 375));
    Label2->setFont(ui::japaneseFont(12));
    Label10 = label("Label10", tr("Example(s) on Onyomi:"), twipsRect(240, 4800, 1935, 375));
    Label11 = value("Label11", tr("Example"), twipsRect(2280, 4800, 2895, 735));
    Label11->setFont(ui::japaneseFont(12));
    Label12 = label("Label12", tr("The word in Indonesian:"), twipsRect(240, 5640, 1815, 375));
    Label13 = value("Label13", tr("Indonesian word"), twipsRect(2280, 5640, 2655, 375));
    Label13->setFont(ui::japaneseFont(12));
    Command1 = button("Command1", tr("Exit"), twipsRect(5400, 5640, 1335, 615));
    Label16 = label("Label16", tr("NOTE: ( ) on kunyomi indicates intransitif verb/jidoushi"),
        twipsRect(240, 6240, 4695, 255));

    Text1->setAccessibleName(tr("Word to search"));

    //: The menu bar's one item, which shows the help text
    Help = menuBar()->addAction(tr("Help"));
    Help->setObjectName(QStringLiteral("Help"));

    // Keyboard order follows the tab indices; labels take no focus.
    QWidget *const chain[] = { Command1, Command2, Text1, Command3, Command4, Command5, Command6,
        Command7, Command8, Command9, Command10 };
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(Help, &QAction::triggered, this, &Form1::Help_Click);

    resize(minimumSizeHint());
}

void Form1::Form_Load()
{
    Command3->hide();
    Command9->hide();
    EnglishToJapanese = true;
    IndonesianShown = false;
    DetailsShown = 0;
    for (QLabel *hidden :
        std::initializer_list<QLabel *> { Label12, Label13, Label2, Label3, Label11 })
        hidden->hide();
    Text1->clear();
    clearRecordLabels();
    Label8->setText(englishPrompt());
    Label7->setText(kunyomiCaption());
    Command4->show();
    CurrentRecord = 0;
    loadBuiltinRecords();
}

void Form1::clearRecordLabels()
{
    for (ui::ValueLabel *value : { Label1, Label3, Label2, Label11, Label13, Label15, Label18 })
        value->setValue({});
}

void Form1::showMessage(const QString &text)
{
    ui::showMessage(this, m_title, text);
}

void Form1::Command2_Click()
{
    clearRecordLabels();
    const KanjiTable &table = KanjiData();
    const int searched = EnglishToJapanese ? EnglishColumn : KunyomiColumn;
    const int answer = EnglishToJapanese ? KunyomiColumn : EnglishColumn;
    const int row = findRecord(table, RecordCount(), searched, Text1->text());
    if (row == 0) {
        showMessage(tr("Sorry, the word is not yet in the dictionary!"));
        return;
    }
    Label2->setValue(table(row, answer));
    Text1->setText(table(row, searched));
    showFieldsOf(row);
    CurrentRecord = static_cast<qint16>(row);
}

void Form1::Command5_Click()
{
    EnglishToJapanese = true;
    Text1->clear();
    clearRecordLabels();
    Label8->setText(englishPrompt());
    Label7->setText(kunyomiCaption());
    Command3->hide();
    Command4->show();
}

void Form1::Command6_Click()
{
    EnglishToJapanese = false;
    Text1->clear();
    clearRecordLabels();
    Label7->setText(englishCaption());
    Label8->setText(kunyomiPrompt());
    Command3->hide();
    Label2->show();
}

void Form1::showFieldsOf(int row)
{
    const KanjiTable &table = KanjiData();
    Label1->setValue(table(row, KanjiColumn));
    Label3->setValue(table(row, OnyomiColumn));
    Label11->setValue(table(row, ExampleColumn));
    Label13->setValue(table(row, IndonesianColumn));
    Label15->setValue(table(row, NumberColumn));
    Label18->setValue(table(row, LevelColumn));
}

void Form1::showRecord(int row)
{
    const KanjiTable &table = KanjiData();
    Label8->setText(englishPrompt());
    Label7->setText(kunyomiCaption());
    Text1->setText(table(row, EnglishColumn));
    Label2->setValue(table(row, KunyomiColumn));
    showFieldsOf(row);
}

void Form1::askForRecord(const QString &prompt, BrowseEnd end)
{
    ui::askText(this, m_title, prompt, [this, end](const QString &reply) {
        const qint16 count = RecordCount();
        const RecordReply read = readRecordReply(reply, end, count);
        switch (read.kind) {
        case RecordReply::Kind::Unchanged:
            break;
        case RecordReply::Kind::Accepted:
            CurrentRecord = read.record;
            break;
        case RecordReply::Kind::Invalid:
            showMessage(tr("Please enter a record number from 1 to %1.").arg(count));
            break;
        }
    });
}

void Form1::Command7_Click()
{
    const qint16 count = RecordCount();
    if (CurrentRecord < count) {
        ++CurrentRecord;
        showRecord(CurrentRecord);
        return;
    }
    askForRecord(
        tr("Sorry, This is the last record. Enter the record number (1 to %1) !").arg(count),
        BrowseEnd::Last);
}

void Form1::Command8_Click()
{
    if (CurrentRecord > 1) {
        --CurrentRecord;
        showRecord(CurrentRecord);
        return;
    }
    askForRecord(tr("Sorry, This is the first record. Enter the record number (1 to %1) !")
                     .arg(RecordCount()),
        BrowseEnd::First);
}

void Form1::Command4_Click()
{
    const bool show = DetailsShown == 0;
    for (ui::ValueLabel *detail : { Label2, Label3, Label11 })
        detail->setVisible(show);
    DetailsShown = show ? -1 : 0;
}

void Form1::Command9_Click()
{
    IndonesianShown = !IndonesianShown;
    Label12->setVisible(IndonesianShown);
    Label13->setVisible(IndonesianShown);
}

void Form1::Command3_Click()
{
    if (!soundFileExists(Label2->text(), QDir(QDir::currentPath())))
        showMessage(tr("Sorry the sound file is not available yet"));
}

void Form1::Help_Click()
{
    showMessage(tr(
        "Do you know that the most frequently used kanji (1945) consist of: (A) 152 basic form "
        "(single unit) Kanji (B) 483 Semantic compound Kanji (kanji with similar meaning based on "
        "its classifiers/parts), (C) 1310 Phonetic compound Kanji (Kanji with same/similar "
        "pronounciation based on its left/right/up/down part or bushu)? By remembering the onyomi "
        "reading of Phonetic compound Kanji, you can easily guess the pronounciation of almost 67 "
        "% of them!"));
}

void Form1::Command1_Click()
{
    Q_EMIT exitRequested();
    hide();
    QCoreApplication::quit();
}

void Form1::Command10_Click()
{
    Q_EMIT expressionWindowRequested();
}

void Form1::closeEvent(QCloseEvent *event)
{
    Q_EMIT exitRequested();
    QMainWindow::closeEvent(event);
}

} // namespace kanjiaid
