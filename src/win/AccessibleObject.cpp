#include "AccessibleObject.h"

#include "LateBound.h"

#include <oleacc.h>

#include <memory>

namespace win {
namespace {

// Spelled out, as IAccessible is: without the uuid library, and the same with every compiler.
constexpr IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

struct ComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};

// The accessibility and COM libraries are loaded at the first question, not with the program.
constexpr wchar_t kAccessibilityLibrary[] = L"oleacc.dll";

// Null for an empty text, and then S_FALSE: "nothing to tell".
HRESULT ReturnText(const std::wstring& text, BSTR* out) {
    static const auto allocate =
        LateBoundFunction<decltype(SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen");
    *out = nullptr;
    if (text.empty())
        return S_FALSE;
    if (allocate)
        *out = allocate(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT ReturnChild(long child, VARIANT* out) {
    out->vt = VT_I4;
    out->lVal = child;
    return S_OK;
}

HRESULT ReturnNothing(VARIANT* out) {
    out->vt = VT_EMPTY;
    return S_FALSE;
}

// Handing the object to another process needs COM on this thread: it is started with the first
// question and ends with the program. A thread that has COM already keeps it as it is.
bool JoinComApartment() {
    struct Apartment {
        using Initialize = HRESULT WINAPI(LPVOID, DWORD);
        using Uninitialize = void WINAPI();
        Apartment() : uninitialize(LateBoundFunction<Uninitialize>(L"ole32.dll", "CoUninitialize")) {
            const auto initialize = LateBoundFunction<Initialize>(L"ole32.dll", "CoInitializeEx");
            if (initialize && uninitialize)
                result = initialize(nullptr, COINIT_APARTMENTTHREADED);
        }
        Apartment(const Apartment&) = delete;
        Apartment& operator=(const Apartment&) = delete;
        ~Apartment() {
            if (SUCCEEDED(result))
                uninitialize();
        }
        Uninitialize* uninitialize = nullptr;
        HRESULT result = E_FAIL;
    };
    static const Apartment apartment;
    return SUCCEEDED(apartment.result) || apartment.result == RPC_E_CHANGED_MODE;
}

// A window's client object: the system's own for that window, with the name, role, state, value
// and items that the window gives. The window is looked up at every question, so the answers
// follow its state, and a window that is gone leaves only the system's answers.
// NOLINTNEXTLINE(cppcoreguidelines-virtual-class-destructor): a COM object, deleted by its Release only.
class AccessibleObject final : public IAccessible {
  public:
    AccessibleObject(HWND window, IAccessible* standard) : hwnd(window), proxy(standard) {}
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        if (iid == kIidUnknown || iid == kIidDispatch || iid == kIidAccessible) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&references));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    // No type information: clients call the interface itself.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return FactText(child, name, &AccessibleFacts::name, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return FactText(child, value, &AccessibleFacts::value, &IAccessible::get_accValue);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        const long item = ItemOf(child);
        if (!role || item < 0)
            return proxy->get_accRole(child, role);
        const AccessibleFacts facts = Facts(item);
        if (facts.role == 0)
            return proxy->get_accRole(child, role);
        return ReturnChild(facts.role, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const long item = ItemOf(child);
        if (!state || item < 0)
            return proxy->get_accState(child, state);
        const AccessibleFacts facts = Facts(item);
        if (item != CHILDID_SELF)
            return ReturnChild(facts.state, state);
        const HRESULT result = proxy->get_accState(child, state);
        if (SUCCEEDED(result) && state->vt == VT_I4)
            state->lVal |= facts.state;
        return result;
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        const long items = ItemCount();
        if (!count || items == 0)
            return proxy->get_accChildCount(count);
        *count = items;
        return S_OK;
    }
    // The items are simple elements, with no object of their own.
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out || ItemOf(child) <= 0)
            return proxy->get_accChild(child, out);
        *out = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!focus || ItemCount() == 0)
            return proxy->get_accFocus(focus);
        const long item = ItemWithState(STATE_SYSTEM_FOCUSED);
        return item ? ReturnChild(item, focus) : proxy->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!selection || ItemCount() == 0)
            return proxy->get_accSelection(selection);
        const long item = ItemWithState(STATE_SYSTEM_SELECTED);
        return item ? ReturnChild(item, selection) : ReturnNothing(selection);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        const long item = ItemOf(child);
        if (!left || !top || !width || !height || item <= 0)
            return proxy->accLocation(left, top, width, height, child);
        RECT bounds = Facts(item).bounds;
        MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&bounds), 2);
        *left = bounds.left;
        *top = bounds.top;
        *width = bounds.right - bounds.left;
        *height = bounds.bottom - bounds.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
        const HRESULT result = proxy->accHitTest(x, y, hit);
        if (result != S_OK || hit->vt != VT_I4 || hit->lVal != CHILDID_SELF)
            return result;
        POINT point{x, y};
        ScreenToClient(hwnd, &point);
        for (long item = 1; item <= ItemCount(); ++item) {
            const RECT bounds = Facts(item).bounds;
            if (PtInRect(&bounds, point))
                return ReturnChild(item, hit);
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        const long item = ItemOf(start);
        const long items = ItemCount();
        if (!end || item < 0 || items == 0)
            return proxy->accNavigate(direction, start, end);
        long target = 0;
        if (item == CHILDID_SELF && direction == NAVDIR_FIRSTCHILD)
            target = 1;
        else if (item == CHILDID_SELF && direction == NAVDIR_LASTCHILD)
            target = items;
        else if (item == CHILDID_SELF)
            return proxy->accNavigate(direction, start, end);
        else if (direction == NAVDIR_NEXT)
            target = item + 1;
        else if (direction == NAVDIR_PREVIOUS)
            target = item - 1;
        return target >= 1 && target <= items ? ReturnChild(target, end) : ReturnNothing(end);
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return proxy->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return FactText(child, text, &AccessibleFacts::description, &IAccessible::get_accDescription);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return proxy->get_accHelp(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return proxy->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return proxy->get_accKeyboardShortcut(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override {
        return proxy->get_accDefaultAction(child, text);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return proxy->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return proxy->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return proxy->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return proxy->put_accValue(child, value);
    }

  private:
    ~AccessibleObject() = default;

    const Window* Source() const { return Window::FromHandle(hwnd); }
    AccessibleFacts Facts(long item) const {
        const Window* window = Source();
        return window ? window->DescribeAccessible(item) : AccessibleFacts{};
    }
    // A text the facts give, or the standard object's where they give none for the window itself.
    HRESULT FactText(VARIANT child, BSTR* out, std::wstring AccessibleFacts::*text,
                     HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, BSTR*)) const {
        const long item = ItemOf(child);
        if (!out || item < 0)
            return (proxy.get()->*standard)(child, out);
        const std::wstring given = Facts(item).*text;
        if (item == CHILDID_SELF && given.empty())
            return (proxy.get()->*standard)(child, out);
        return ReturnText(given, out);
    }
    long ItemCount() const {
        const Window* window = Source();
        return window ? window->AccessibleItemCount() : 0;
    }
    // 0 for the window itself, 1 to the count for an item drawn in it; -1 for what the
    // system's object answers alone.
    long ItemOf(const VARIANT& child) const {
        if (child.vt != VT_I4)
            return -1;
        if (child.lVal == CHILDID_SELF)
            return CHILDID_SELF;
        return child.lVal > 0 && child.lVal <= ItemCount() ? child.lVal : -1;
    }
    // The first item in that state; 0 when none is.
    long ItemWithState(long state) const {
        for (long item = 1; item <= ItemCount(); ++item)
            if (Facts(item).state & state)
                return item;
        return 0;
    }

    LONG references = 1;
    HWND hwnd;
    std::unique_ptr<IAccessible, ComRelease> proxy;
};

} // namespace

LRESULT AnswerGetObject(const Window& window, WPARAM wParam, LPARAM lParam) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return 0;
    static const auto createStandard = LateBoundFunction<decltype(CreateStdAccessibleObject)>(
        kAccessibilityLibrary, "CreateStdAccessibleObject");
    static const auto answer =
        LateBoundFunction<decltype(LresultFromObject)>(kAccessibilityLibrary, "LresultFromObject");
    if (!createStandard || !answer || !JoinComApartment())
        return 0;
    IAccessible* standard = nullptr;
    if (FAILED(createStandard(window.Hwnd(), OBJID_CLIENT, kIidAccessible,
                              reinterpret_cast<void**>(&standard))) ||
        !standard)
        return 0;
    // The answer holds a reference of its own for the asking client. A failure comes back as an
    // error code, which is no answer: the default handling gives one then.
    const std::unique_ptr<IAccessible, ComRelease> object(new AccessibleObject(window.Hwnd(), standard));
    const LRESULT result = answer(kIidAccessible, wParam, object.get());
    return result < 0 ? 0 : result;
}

} // namespace win
