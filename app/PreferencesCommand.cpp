#include "App.h"

#include "NilObjectException.h"
#include "prefsWin.h"

// Shows the Preferences dialog, built and filled from the settings record
// when none is open, or the open one with its unconfirmed edits. The dialog
// is never modal: nothing here waits for it to close.
bool App::FilePreferences_Action() {
    NotNil(prefsWin::Get())->Show();
    return false;
}
