// SPDX-License-Identifier: GPL-3.0-or-later
#include "winwindow/spoken_object.h"

#include <cstdio>

#include "winwindow/system_library.h"
#include "winwindow/wide_text.h"

namespace korvane {
namespace {

bool self(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT text(const std::string& words, BSTR* out) {
    if (!out) return E_INVALIDARG;
    *out = nullptr;
    if (words.empty()) return S_FALSE;
    const std::wstring w = wide(words);
    *out = SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

class SpokenObject final : public IAccessible {
  public:
    SpokenObject(IAccessible* system, HWND hwnd, const Widget& control,
                 std::shared_ptr<Voice> voice)
        : system_(system), hwnd_(hwnd), control_(control), voice_(std::move(voice)) {}
    ~SpokenObject() { system_->Release(); }

    // IUnknown: the object is the system's, told anew.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (!out) return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return system_->QueryInterface(id, out);  // its window, its children
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch, as the system's object answers it.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return system_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return system_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return system_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        return system_->Invoke(member, id, locale, flags, params, result, exception, argument);
    }

    // What the table says.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!self(child) || !voice_->speak) return system_->get_accName(child, name);
        return text(spoken().name, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* words) override {
        if (!self(child) || !voice_->speak) return system_->get_accDescription(child, words);
        return text(spoken().description, words);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!self(child) || !voice_->speak) return system_->get_accValue(child, value);
        const Spoken s = spoken();
        if (!s.value) return text("", value);
        char number[32];
        std::snprintf(number, sizeof number, "%.15g", *s.value);
        return text(number, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        const Spoken s = voice_->speak ? spoken() : Spoken{};
        if (!self(child) || !role || s.role == SpokenRole::None)
            return system_->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = msaaRole(s.role);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;

    // The rest is the system's: place, focus, the default action, the tree.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return system_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return system_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return system_->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return system_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return system_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return system_->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return system_->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return system_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return system_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return system_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return system_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return system_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return system_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return system_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    Spoken spoken() const { return voice_->speak(control_); }

    ULONG references_ = 1;
    IAccessible* system_;
    HWND hwnd_;
    const Widget& control_;
    std::shared_ptr<Voice> voice_;
};

// The system's state, but what presents nothing is not there for a screen
// reader, the sound switch and the back in use say they are ticked.
HRESULT SpokenObject::get_accState(VARIANT child, VARIANT* state) {
    const HRESULT got = system_->get_accState(child, state);
    if (!self(child) || !voice_->speak || FAILED(got) || state->vt != VT_I4) return got;
    const Spoken s = spoken();
    if (s.role == SpokenRole::None) state->lVal |= STATE_SYSTEM_INVISIBLE;
    const bool ticked = s.role == SpokenRole::CheckBox
                            ? SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED
                            : s.checked;
    if (ticked)
        state->lVal |= STATE_SYSTEM_CHECKED;
    else
        state->lVal &= ~STATE_SYSTEM_CHECKED;
    return got;
}

}  // namespace

LONG msaaRole(SpokenRole role) {
    switch (role) {
        case SpokenRole::Window:
            return ROLE_SYSTEM_WINDOW;
        case SpokenRole::Group:
            return ROLE_SYSTEM_GROUPING;
        case SpokenRole::Label:
            return ROLE_SYSTEM_STATICTEXT;
        case SpokenRole::Button:
            return ROLE_SYSTEM_PUSHBUTTON;
        case SpokenRole::CheckBox:
            return ROLE_SYSTEM_CHECKBUTTON;
        case SpokenRole::ScrollBar:
            return ROLE_SYSTEM_SCROLLBAR;
        case SpokenRole::Graphic:
            return ROLE_SYSTEM_GRAPHIC;
        case SpokenRole::Choice:
            return ROLE_SYSTEM_RADIOBUTTON;
        case SpokenRole::None:
            break;
    }
    return ROLE_SYSTEM_CLIENT;
}

LRESULT spokenObject(HWND hwnd, WPARAM wParam, LPARAM lParam, const Widget& control,
                     const std::shared_ptr<Voice>& voice) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) return 0;
    // The accessibility library, loaded when a screen reader first asks.
    const auto standard = systemFunction<decltype(CreateStdAccessibleObject)>(
        L"oleacc.dll", "CreateStdAccessibleObject");
    const auto answerWith =
        systemFunction<decltype(LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
    IAccessible* system = nullptr;
    if (!standard || !answerWith ||
        FAILED(
            standard(hwnd, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&system))))
        return 0;
    // Counted from here: the screen reader's references keep it, the last Release ends it.
    auto* object = new SpokenObject(system, hwnd, control, voice);
    const LRESULT answer = answerWith(__uuidof(IAccessible), wParam, object);
    object->Release();
    return answer;
}

}  // namespace korvane
