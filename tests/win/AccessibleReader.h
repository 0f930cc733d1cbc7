#pragma once
// Reads a window's accessible object as a screen reader does: AccessibleObjectFromWindow, then
// the IAccessible questions, for the window itself or for one of its items.
#include "win/AccessibleObject.h"

#include <oleacc.h>

#include <string>

class AccessibleReader {
  public:
    explicit AccessibleReader(HWND window) {
        static const HRESULT apartment = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        (void)apartment;
        void* found = nullptr;
        if (SUCCEEDED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                                 win::kIidAccessible, &found)))
            object = static_cast<IAccessible*>(found);
    }
    AccessibleReader(const AccessibleReader&) = delete;
    AccessibleReader& operator=(const AccessibleReader&) = delete;
    ~AccessibleReader() {
        if (object)
            object->Release();
    }

    bool Found() const { return object != nullptr; }
    std::wstring Name(long child = CHILDID_SELF) const {
        BSTR text = nullptr;
        return object && SUCCEEDED(object->get_accName(Child(child), &text)) ? Take(text) : L"<none>";
    }
    std::wstring Value(long child = CHILDID_SELF) const {
        BSTR text = nullptr;
        return object && SUCCEEDED(object->get_accValue(Child(child), &text)) ? Take(text) : L"<none>";
    }
    std::wstring Description(long child = CHILDID_SELF) const {
        BSTR text = nullptr;
        return object && SUCCEEDED(object->get_accDescription(Child(child), &text)) ? Take(text) : L"<none>";
    }
    // -1 when there is no answer.
    long Role(long child = CHILDID_SELF) const {
        VARIANT role{};
        return object && SUCCEEDED(object->get_accRole(Child(child), &role)) && role.vt == VT_I4 ? role.lVal
                                                                                                 : -1;
    }
    long State(long child = CHILDID_SELF) const {
        VARIANT state{};
        return object && SUCCEEDED(object->get_accState(Child(child), &state)) && state.vt == VT_I4
                   ? state.lVal
                   : -1;
    }
    long ChildCount() const {
        long count = -1;
        return object && SUCCEEDED(object->get_accChildCount(&count)) ? count : -1;
    }
    // The selected item, 0 for none.
    long Selection() const {
        VARIANT selected{};
        return object && object->get_accSelection(&selected) == S_OK && selected.vt == VT_I4 ? selected.lVal
                                                                                             : 0;
    }

  private:
    static VARIANT Child(long id) {
        VARIANT child{};
        child.vt = VT_I4;
        child.lVal = id;
        return child;
    }
    static std::wstring Take(BSTR text) {
        std::wstring taken = text ? std::wstring(text, SysStringLen(text)) : L"";
        SysFreeString(text);
        return taken;
    }

    IAccessible* object = nullptr;
};
