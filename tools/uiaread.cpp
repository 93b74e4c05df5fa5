/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

// What a UI Automation client (Narrator, for one) reads of a window: the
// window with the title given is found, and every element of its control
// view is written as one line, depth first:
//   DEPTH <tab> TYPE <tab> NAME <tab> VALUE <tab> LEFT,TOP,WIDTH,HEIGHT <tab> PATTERNS
// PATTERNS lists the patterns the element says it offers (invoke, value,
// text). Screen coordinates are physical pixels. Written in UTF-8; a tab or
// line break inside a text is written as a space.
//   kanjiaid_uiaread.exe TITLE [SECONDS [DEPTH]]
//                                          waits SECONDS (default 20) for
//                                          the window, then as long for its
//                                          elements, DEPTH levels of them
//                                          (default: all); exit status 1 when the
//                                          window is not found, 2 when UIA
//                                          gives no node for it, 3 when the
//                                          tree stops answering (what was
//                                          read is written)

#include <cstdio>
#include <cwchar>
#include <string>

// The order matters: windows.h first; initguid.h before the headers whose
// GUIDs this file defines. Wine's headers declare the client side of UI
// Automation, which mingw-w64's lack, and its client header needs its core
// header's enumerations. Of that client side, Wine answers the core
// functions (nodes, properties, navigation), not the COM client
// (CUIAutomation).
// clang-format off
#include <windows.h>
#include <initguid.h>
#include <ole2.h>
#include <wine/windows/uiautomationcore.h>
#include <wine/windows/uiautomationclient.h>
#include <wine/windows/uiautomationcoreapi.h>
// clang-format on

namespace {

std::string utf8(const wchar_t *text, UINT length)
{
    if (text == nullptr || length == 0)
        return {};
    const int size = WideCharToMultiByte(
        CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(
        CP_UTF8, 0, text, static_cast<int>(length), result.data(), size, nullptr, nullptr);
    for (char &c : result) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return result;
}

const char *typeName(CONTROLTYPEID type)
{
    switch (type) {
    case UIA_ButtonControlTypeId:
        return "button";
    case UIA_CheckBoxControlTypeId:
        return "check box";
    case UIA_EditControlTypeId:
        return "edit";
    case UIA_GroupControlTypeId:
        return "group";
    case UIA_MenuBarControlTypeId:
        return "menu bar";
    case UIA_MenuControlTypeId:
        return "menu";
    case UIA_MenuItemControlTypeId:
        return "menu item";
    case UIA_PaneControlTypeId:
        return "pane";
    case UIA_ScrollBarControlTypeId:
        return "scroll bar";
    case UIA_TextControlTypeId:
        return "text";
    case UIA_TitleBarControlTypeId:
        return "title bar";
    case UIA_WindowControlTypeId:
        return "window";
    case UIA_DocumentControlTypeId:
        return "document";
    case UIA_CustomControlTypeId:
        return "custom";
    default:
        return "other";
    }
}

// One property of a node, as UIA gives it; empty (VT_EMPTY) when the node
// has none or UIA cannot say.
class Property
{
public:
    Property(HUIANODE node, PROPERTYID id)
    {
        VariantInit(&m_value);
        if (FAILED(UiaGetPropertyValue(node, id, &m_value)))
            VariantInit(&m_value);
    }
    Property(const Property &) = delete;
    Property &operator=(const Property &) = delete;
    ~Property() { VariantClear(&m_value); }

    [[nodiscard]] std::string text() const
    {
        return m_value.vt == VT_BSTR ? utf8(m_value.bstrVal, SysStringLen(m_value.bstrVal))
                                     : std::string();
    }
    [[nodiscard]] long number() const { return m_value.vt == VT_I4 ? m_value.lVal : 0; }
    [[nodiscard]] bool yes() const
    {
        return m_value.vt == VT_BOOL && m_value.boolVal == VARIANT_TRUE;
    }
    // Left, top, width and height, as UIA gives a rectangle (doubles).
    [[nodiscard]] std::string rectangle() const
    {
        if (m_value.vt != (VT_ARRAY | VT_R8) || m_value.parray->rgsabound[0].cElements != 4)
            return "0,0,0,0";
        const auto *box = static_cast<const double *>(m_value.parray->pvData);
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.0f,%.0f,%.0f,%.0f", box[0], box[1], box[2], box[3]);
        return buffer;
    }

private:
    VARIANT m_value;
};

void write(HUIANODE node, int depth)
{
    std::string patterns;
    const struct
    {
        PROPERTYID property;
        const char *name;
    } available[] = {
        { UIA_IsInvokePatternAvailablePropertyId, "invoke" },
        { UIA_IsValuePatternAvailablePropertyId, "value" },
        { UIA_IsTextPatternAvailablePropertyId, "text" },
    };
    for (const auto &pattern : available) {
        if (Property(node, pattern.property).yes())
            patterns += (patterns.empty() ? "" : ",") + std::string(pattern.name);
    }
    std::printf("%d\t%s\t%s\t%s\t%s\t%s\n", depth,
        typeName(static_cast<CONTROLTYPEID>(Property(node, UIA_ControlTypePropertyId).number())),
        Property(node, UIA_NamePropertyId).text().c_str(),
        Property(node, UIA_ValueValuePropertyId).text().c_str(),
        Property(node, UIA_BoundingRectanglePropertyId).rectangle().c_str(), patterns.c_str());
    std::fflush(stdout);
}

// The node one step from this one in the raw view, or null.
HUIANODE step(HUIANODE node, NavigateDirection direction)
{
    UiaCondition everything { ConditionType_True };
    UiaCacheRequest request {};
    request.pViewCondition = &everything;
    request.Scope = TreeScope_Element;
    request.automationElementMode = AutomationElementMode_Full;
    SAFEARRAY *found = nullptr;
    BSTR structure = nullptr;
    HUIANODE next = nullptr;
    if (SUCCEEDED(UiaNavigate(node, direction, &everything, &request, &found, &structure))
        && found != nullptr) {
        LONG at[2] = { 0, 0 };
        VARIANT element;
        VariantInit(&element);
        if (SUCCEEDED(SafeArrayGetElement(found, at, &element)))
            UiaHUiaNodeFromVariant(&element, &next);
        // The node is the caller's now; the array's copy is not released.
        if (next == nullptr)
            VariantClear(&element);
    }
    if (found != nullptr)
        SafeArrayDestroy(found);
    SysFreeString(structure);
    return next;
}

void walk(HUIANODE node, int depth, int deepest)
{
    write(node, depth);
    if (depth == deepest)
        return;
    for (HUIANODE child = step(node, NavigateDirection_FirstChild); child != nullptr;) {
        walk(child, depth + 1, deepest);
        HUIANODE next = step(child, NavigateDirection_NextSibling);
        UiaNodeRelease(child);
        child = next;
    }
}

struct Reading
{
    HWND window;
    int deepest;
    HRESULT result;
};

DWORD WINAPI read(void *parameter)
{
    auto *reading = static_cast<Reading *>(parameter);
    reading->result = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (FAILED(reading->result))
        return 0;
    HUIANODE root = nullptr;
    reading->result = UiaNodeFromHandle(reading->window, &root);
    if (SUCCEEDED(reading->result) && root != nullptr) {
        walk(root, 0, reading->deepest);
        UiaNodeRelease(root);
    }
    CoUninitialize();
    return 0;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc < 2) {
        std::fputs("usage: kanjiaid_uiaread TITLE [SECONDS [DEPTH]]\n", stderr);
        return 2;
    }
    const int seconds = argc > 2 ? _wtoi(argv[2]) : 20;
    Reading reading { nullptr, argc > 3 ? _wtoi(argv[3]) : -1, E_FAIL };
    for (int tenths = 0; reading.window == nullptr && tenths <= seconds * 10; ++tenths) {
        reading.window = FindWindowW(nullptr, argv[1]);
        if (reading.window == nullptr)
            Sleep(100);
    }
    if (reading.window == nullptr) {
        std::fputs("no window with that title\n", stderr);
        return 1;
    }
    // A provider that never answers must not hold the caller: the reading
    // has its own thread, and what it wrote stands.
    HANDLE reader = CreateThread(nullptr, 0, &read, &reading, 0, nullptr);
    if (reader == nullptr)
        return 2;
    if (WaitForSingleObject(reader, static_cast<DWORD>(seconds) * 1000) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "the element tree did not answer within %d s\n", seconds);
        std::fflush(stdout);
        ExitProcess(3);
    }
    CloseHandle(reader);
    if (FAILED(reading.result)) {
        std::fprintf(stderr, "UI Automation gave no node for the window (%#lx)\n",
            static_cast<unsigned long>(reading.result));
        return 2;
    }
    return 0;
}
