// The program's entry point: hands over to the application object.
#include "winapp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, lpCmdLine, nCmdShow);
}
