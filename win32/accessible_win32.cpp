#include "win32/accessible_win32.h"

#include "win32/form.h"

#include <commctrl.h>
#include <initguid.h> // the annotations' property ids, defined here
#include <oleacc.h>

#include <string>

namespace qev::win32 {

namespace {

// The system's store of annotations; MinGW's oleacc.h declares its class id without defining it.
constexpr CLSID kAccPropServices = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};

LONG SystemRole(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::Label:
        return ROLE_SYSTEM_STATICTEXT;
    case AccessibleRole::Pane:
        return ROLE_SYSTEM_CLIENT;
    case AccessibleRole::Grouping:
        return ROLE_SYSTEM_GROUPING;
    case AccessibleRole::Text:
        return ROLE_SYSTEM_TEXT;
    case AccessibleRole::ComboBox:
        return ROLE_SYSTEM_COMBOBOX;
    case AccessibleRole::Button:
        return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::CheckBox:
        return ROLE_SYSTEM_CHECKBUTTON;
    case AccessibleRole::Link:
        return ROLE_SYSTEM_LINK;
    case AccessibleRole::StatusBar:
        return ROLE_SYSTEM_STATUSBAR;
    }
    return ROLE_SYSTEM_CLIENT;
}

// What a control says of itself.
struct Said {
    std::wstring name, description;
    LONG role;
};

// The store of annotations, made once on the windows' thread, with COM, which the answers to
// WM_GETOBJECT need too; none where the system has none.
IAccPropServices* Annotations() {
    static IAccPropServices* const services = [] {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        IAccPropServices* made = nullptr;
        return SUCCEEDED(CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_IAccPropServices, reinterpret_cast<void**>(&made)))
                   ? made
                   : nullptr;
    }();
    return services;
}

const MSAAPROPID kAnnotated[] = {PROPID_ACC_NAME, PROPID_ACC_ROLE, PROPID_ACC_DESCRIPTION};

bool Annotate(HWND control, const Said& said) {
    IAccPropServices* services = Annotations();
    if (!services) {
        return false;
    }
    VARIANT role;
    role.vt = VT_I4;
    role.lVal = said.role;
    const bool annotated =
        SUCCEEDED(services->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                           said.name.c_str())) &&
        SUCCEEDED(
            services->SetHwndProp(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_ROLE, role)) &&
        (said.description.empty() ||
         SUCCEEDED(services->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF,
                                            PROPID_ACC_DESCRIPTION, said.description.c_str())));
    if (!annotated) {
        services->ClearHwndProps(control, OBJID_CLIENT, CHILDID_SELF, kAnnotated,
                                 std::size(kAnnotated));
    }
    return annotated;
}

// The control's accessible object as the system makes it, saying the table's name, role and
// description for the control itself.
class SaidAccessible final : public IAccessible {
public:
    SaidAccessible(IAccessible* system, const Said& said) : system_(system), said_(said) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return system_->QueryInterface(id, out); // its children, its window
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!Self(child)) {
            return system_->get_accName(child, name);
        }
        *name = SysAllocString(said_.name.c_str());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!Self(child)) {
            return system_->get_accRole(child, role);
        }
        role->vt = VT_I4;
        role->lVal = said_.role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (!Self(child) || said_.description.empty()) {
            return system_->get_accDescription(child, description);
        }
        *description = SysAllocString(said_.description.c_str());
        return S_OK;
    }

    // The rest as the system says it.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return system_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT at, LCID locale, ITypeInfo** info) override {
        return system_->GetTypeInfo(at, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return system_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* wrong) override {
        return system_->Invoke(member, id, locale, flags, parameters, result, exception, wrong);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return system_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return system_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return system_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return system_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return system_->get_accState(child, state);
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
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return system_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return system_->get_accSelection(children);
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
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT from, VARIANT* to) override {
        return system_->accNavigate(direction, from, to);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return system_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return system_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return system_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return system_->put_accValue(child, value);
    }

private:
    ~SaidAccessible() { system_->Release(); }
    static bool Self(const VARIANT& child) {
        return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
    }

    IAccessible* const system_;
    const Said said_; // a reader may keep the object after the control has gone
    ULONG references_ = 1;
};

// A control that says what the table says of it: answering WM_GETOBJECT for itself where its
// annotations could not be kept, and taking them away as it goes.
LRESULT CALLBACK SayingControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR annotated, DWORD_PTR data) {
    auto* said = reinterpret_cast<Said*>(data);
    // The object's id comes in the low 32 bits.
    if (message == WM_GETOBJECT && !annotated &&
        static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        IAccessible* system = nullptr;
        if (SUCCEEDED(CreateStdAccessibleObject(control, OBJID_CLIENT, IID_IAccessible,
                                                reinterpret_cast<void**>(&system)))) {
            auto* answer = new SaidAccessible(system, *said);
            const LRESULT result = LresultFromObject(IID_IAccessible, wParam, answer);
            answer->Release();
            return result;
        }
    } else if (message == WM_NCDESTROY) {
        if (annotated) {
            Annotations()->ClearHwndProps(control, OBJID_CLIENT, CHILDID_SELF, kAnnotated,
                                          std::size(kAnnotated));
        }
        RemoveWindowSubclass(control, &SayingControl, annotated);
        delete said;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

void MakeAccessible(HWND control, std::string_view window, std::string_view name, int index,
                    std::optional<AccessibleRole> role) {
    const AccessibleControl* entry = AccessibleControlNamed(window, name, index);
    if (!entry) {
        return;
    }
    auto* said = new Said{Wide(entry->name), Wide(entry->description),
                          SystemRole(role.value_or(entry->role))};
    SetWindowSubclass(control, &SayingControl, Annotate(control, *said),
                      reinterpret_cast<DWORD_PTR>(said));
}

} // namespace qev::win32
