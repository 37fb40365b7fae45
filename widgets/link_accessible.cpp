// The accessible object of a link label: a small COM object (the one place
// the program has a vtable, since the interface is one). It keeps only the
// control's handle and reads everything else from the control when asked, so
// it may outlive the control: it then answers that it is gone. What a link
// adds (role, name, value, state, default action) it answers itself; parent,
// place, navigation and hit testing come from the system's standard object
// for the control.
#include "widgets/link_accessible.h"
#include "widgets/com_thread.h"
#include "widgets/link_label.h"
#include <oleacc.h>
#include <new>

static const wchar_t LINK_DEFAULT_ACTION[] = L"Jump";   // what the system's own links call opening

static bool IsSelf(const VARIANT& child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

static HRESULT AnswerText(const wchar_t* text, BSTR* out)
{
    *out = SysAllocString(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

// The record of a control that is still a link label, else null.
static LinkLabelRecord* LiveRecord(HWND control)
{
    if (!IsWindow(control) || GetWindowLongPtrA(control, GWLP_WNDPROC) != (LONG_PTR)LinkLabelProc) return 0;
    return (LinkLabelRecord*)GetWindowLongPtrA(control, GWLP_USERDATA);
}

struct LinkAccessible final : IAccessible {
    LONG references = 1;
    HWND control;
    IAccessible* standard = 0;   // the system's object for the control; may be null

    explicit LinkAccessible(HWND c) : control(c)
    {
        CreateStdAccessibleObject(c, OBJID_CLIENT, __uuidof(IAccessible), (void**)&standard);
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override
    {
        *out = 0;
        if (id != __uuidof(IUnknown) && id != __uuidof(IDispatch) && id != __uuidof(IAccessible))
            return E_NOINTERFACE;
        *out = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG left = InterlockedDecrement(&references);
        if (left == 0) {
            if (standard) standard->Release();
            delete this;
        }
        return left;
    }

    // IDispatch: not offered; accessibility tools call the interface directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { *count = 0; return S_OK; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // What a link adds.
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { *count = 0; return S_OK; }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override { *child = 0; return E_INVALIDARG; }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        *name = 0;
        if (!IsSelf(child)) return E_INVALIDARG;
        if (!LiveRecord(control)) return RPC_E_DISCONNECTED;
        wchar_t text[LINK_TARGET_SIZE] = L"";
        GetWindowTextW(control, text, LINK_TARGET_SIZE);
        return AnswerText(text, name);
    }
    // The address the link opens (its text when it has no target of its own).
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        *value = 0;
        if (!IsSelf(child)) return E_INVALIDARG;
        LinkLabelRecord* record = LiveRecord(control);
        if (!record) return RPC_E_DISCONNECTED;
        if (!record->target[0]) return get_accName(child, value);
        wchar_t target[LINK_TARGET_SIZE] = L"";
        MultiByteToWideChar(CP_ACP, 0, record->target, -1, target, LINK_TARGET_SIZE);
        return AnswerText(target, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        role->vt = VT_EMPTY;
        if (!IsSelf(child)) return E_INVALIDARG;
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_LINK;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        state->vt = VT_EMPTY;
        if (!IsSelf(child)) return E_INVALIDARG;
        LinkLabelRecord* record = LiveRecord(control);
        if (!record) return RPC_E_DISCONNECTED;
        LONG bits = STATE_SYSTEM_LINKED;
        if (record->options & LINK_TABSTOP) bits |= STATE_SYSTEM_FOCUSABLE;
        if (GetFocus() == control) bits |= STATE_SYSTEM_FOCUSED;
        if (record->options & LINK_VISITED) bits |= STATE_SYSTEM_TRAVERSED;
        if (!IsWindowVisible(control)) bits |= STATE_SYSTEM_INVISIBLE;
        state->vt = VT_I4;
        state->lVal = bits;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        *action = 0;
        if (!IsSelf(child)) return E_INVALIDARG;
        return AnswerText(LINK_DEFAULT_ACTION, action);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        if (!IsSelf(child)) return E_INVALIDARG;
        return OpenLinkLabel(control) ? S_OK : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override { *text = 0; return S_FALSE; }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* text) override { *text = 0; return S_FALSE; }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override
    {
        *file = 0;
        *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* keys) override { *keys = 0; return S_FALSE; }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    // What the control's standard object knows.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        *parent = 0;
        return standard ? standard->get_accParent(parent) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        focus->vt = VT_EMPTY;
        return standard ? standard->get_accFocus(focus) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        selection->vt = VT_EMPTY;
        return standard ? standard->get_accSelection(selection) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override
    {
        return standard ? standard->accSelect(flags, child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* width, LONG* height, VARIANT child) override
    {
        return standard ? standard->accLocation(x, y, width, height, child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        end->vt = VT_EMPTY;
        return standard ? standard->accNavigate(direction, start, end) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override
    {
        child->vt = VT_EMPTY;
        return standard ? standard->accHitTest(x, y, child) : E_NOTIMPL;
    }
};

LRESULT AnswerLinkAccessibleObject(HWND control, WPARAM wParam)
{
    UseCom();   // the answer is marshalled for the asker
    LinkAccessible* object = new (std::nothrow) LinkAccessible(control);
    if (!object) return 0;
    LRESULT answer = LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object));
    object->Release();   // the answer holds its own reference
    return answer;
}
