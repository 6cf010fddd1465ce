// SPDX-License-Identifier: GPL-3.0-or-later
// A UI Automation client, as a Windows screen reader is one: it asks for the window of the given
// title and prints the name UI Automation gives it. Qt raises UI Automation events once asked.
//   uia_client.exe TITLE
#include <windows.h>

#include <uiautomation.h>

#include <cstdio>

int wmain(int argc, wchar_t **argv)
{
    IUIAutomation *automation = nullptr;
    IUIAutomationElement *window = nullptr;
    BSTR name = nullptr;
    char text[512] = {};
    if (argc != 2 || FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))
        || FAILED(CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&automation)))
        || FAILED(automation->ElementFromHandle(FindWindowW(nullptr, argv[1]), &window))
        || FAILED(window->get_CurrentName(&name))
        || !WideCharToMultiByte(CP_UTF8, 0, name, -1, text, sizeof text, nullptr, nullptr))
        return 1;
    return std::puts(text) < 0;
}
