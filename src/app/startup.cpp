#include "app/startup.h"

#include "app/apptitle.h"
#include "app/windowswitcher.h"
#include "dictionary/form1.h"

#include <QApplication>
#include <QIcon>

QWidget *startApplication()
{
    using namespace kanjiaid;
    QIcon icon;
    for (const int size : { 16, 32, 48, 64, 256 })
        icon.addFile(QStringLiteral(":/kanjiaid/icon-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.kanjiaid"));
    auto *dictionary = new Form1(applicationTitle()); // owned by the caller
    new WindowSwitcher(dictionary, applicationTitle()); // owned by the window
    dictionary->show();
    return dictionary;
}
