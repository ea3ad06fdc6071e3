#include "App.h"

#include "NilObjectException.h"
#include "aboutWin.h"

// Shows the About window without waiting for it: the command returns as
// soon as the window is up.
bool App::FileAboutlumaDex_Action() {
    NotNil(aboutWin::Get())->Show();
    return false;
}
