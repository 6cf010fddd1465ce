// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Asks UI Automation, as a screen reader does, for the window of the given title and prints
// its name. Qt raises UI Automation events once asked.
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
