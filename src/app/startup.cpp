#include "app/startup.h"

#include "app/apptitle.h"
#include "app/windowswitcher.h"
#include "dictionary/form1.h"

QWidget *startApplication()
{
    using namespace kanjiaid;
    auto *dictionary = new Form1(applicationTitle()); // owned by the caller
    new WindowSwitcher(dictionary, applicationTitle()); // owned by the window
    dictionary->show();
    return dictionary;
}
