// Everything the tester's window code uses of the framework.
#pragma once
#include "dialog.h"
#include "exception.h"
#include "gdi.h"
#include "keystate.h"
#include "msgbox.h"
#include "winapp.h"
#include "wnd.h"
