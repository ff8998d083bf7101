// krastel_main_win.cpp - the checker program: started with the scratch folder after every
// plotting run, it shows the out-of-memory advice when the error file asks for it.
#include "checkerror.hpp"
#include "commandline.hpp"
#include "base/os.hpp"
#include "base/startup.hpp"
#include "base/text.hpp"
#include "windows/windows.hpp"
#include "dialogs/messagebox.hpp"

void applicationMain() {
    WInitialise();
    WindowOpen(128);
    Text<MaxViewerPath> folder;
    IOsArgument(1, folder);
    int length = 0;
    len_trimback(folder.view(), length, 0);
    if (checkferreterror(folder.view(), length)) WMessageBox(0, 3, 1, MemoryAdvice, MemoryAdviceTitle);
    WindowClose();
}
