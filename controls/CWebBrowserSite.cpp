#include "controls/CWebBrowserSite.h"

#include "framework/WideText.h"

#include <exdispid.h>
#include <ocidl.h>

#include <string>

namespace {

// An event argument's text; the browser passes addresses as references to variants.
CString VariantText(const VARIANT& value)
{
    if (value.vt == (VT_BYREF | VT_VARIANT) && value.pvarVal)
        return VariantText(*value.pvarVal);
    if (value.vt == VT_BSTR)
        return Narrowed(value.bstrVal);
    if (value.vt == (VT_BYREF | VT_BSTR) && value.pbstrVal)
        return Narrowed(*value.pbstrVal);
    return CString();
}

// A text argument of the browser's navigation: a string, or nothing for null.
VARIANT TextVariant(const char* text)
{
    VARIANT value;
    VariantInit(&value);
    if (text) {
        value.vt = VT_BSTR;
        value.bstrVal = SysAllocString(Widened(text).c_str());
    }
    return value;
}

VARIANT BytesVariant(const void* bytes, DWORD count)
{
    VARIANT value;
    VariantInit(&value);
    if (!bytes)
        return value;
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, count);
    if (!array)
        return value;
    void* data = nullptr;
    if (SUCCEEDED(SafeArrayAccessData(array, &data))) {
        CopyMemory(data, bytes, count);
        SafeArrayUnaccessData(array);
    }
    value.vt = VT_ARRAY | VT_UI1;
    value.parray = array;
    return value;
}

// The answer of a call that hands back no object: the out pointer, where the
// caller gave one, is cleared first.
template <class T>
HRESULT NoObject(T** out, HRESULT answer)
{
    if (out)
        *out = nullptr;
    return answer;
}

}  // namespace

CWebBrowserSite* CWebBrowserSite::Create(HWND window, IWebBrowserEvents* events)
{
    auto* site = new CWebBrowserSite(window, events);
    if (site->Open())
        return site;
    site->Close();
    return nullptr;
}

bool CWebBrowserSite::Open()
{
    m_bOleInitialized = SUCCEEDED(OleInitialize(nullptr));
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&m_pObject))))
        return false;
    if (FAILED(m_pObject->SetClientSite(static_cast<IOleClientSite*>(this))))
        return false;
    RECT client;
    GetClientRect(m_hWindow, &client);
    if (FAILED(m_pObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(this), 0, m_hWindow,
                                 &client)))
        return false;
    if (FAILED(m_pObject->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&m_pBrowser))))
        return false;
    IConnectionPointContainer* container = nullptr;
    if (SUCCEEDED(m_pBrowser->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
        if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &m_pEventSource)) &&
            FAILED(m_pEventSource->Advise(static_cast<IDispatch*>(this), &m_dwEventCookie))) {
            m_pEventSource->Release();
            m_pEventSource = nullptr;
        }
        container->Release();
    }
    return true;
}

void CWebBrowserSite::Close()
{
    m_pEvents = nullptr;
    if (m_pEventSource) {
        m_pEventSource->Unadvise(m_dwEventCookie);
        m_pEventSource->Release();
        m_pEventSource = nullptr;
    }
    if (m_pBrowser) {
        m_pBrowser->Release();
        m_pBrowser = nullptr;
    }
    if (m_pObject) {
        IOleInPlaceObject* inPlace = nullptr;
        if (SUCCEEDED(m_pObject->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
            inPlace->InPlaceDeactivate();
            inPlace->Release();
        }
        m_pObject->Close(OLECLOSE_NOSAVE);
        m_pObject->SetClientSite(nullptr);
        m_pObject->Release();
        m_pObject = nullptr;
    }
    // The browser has let go of the host by now, so OLE may end with it.
    const bool oleInitialized = m_bOleInitialized;
    Release();
    if (oleInitialized)
        OleUninitialize();
}

HRESULT CWebBrowserSite::Navigate(const char* url, DWORD flags, const char* targetFrameName, const char* headers,
                                  const void* postData, DWORD postDataLength)
{
    if (!m_pBrowser)
        return E_FAIL;
    BSTR address = SysAllocString(Widened(url).c_str());
    VARIANT flagsValue;
    VariantInit(&flagsValue);
    flagsValue.vt = VT_I4;
    flagsValue.lVal = static_cast<LONG>(flags);
    VARIANT target = TextVariant(targetFrameName);
    VARIANT headersValue = TextVariant(headers);
    VARIANT posted = BytesVariant(postData, postDataLength);
    const HRESULT result = m_pBrowser->Navigate(address, &flagsValue, &target, &posted, &headersValue);
    VariantClear(&posted);
    VariantClear(&headersValue);
    VariantClear(&target);
    SysFreeString(address);
    return result;
}

HRESULT CWebBrowserSite::GoBack()
{
    return m_pBrowser ? m_pBrowser->GoBack() : E_FAIL;
}

void CWebBrowserSite::SetRect(const RECT& rect)
{
    if (!m_pObject)
        return;
    IOleInPlaceObject* inPlace = nullptr;
    if (SUCCEEDED(m_pObject->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
        inPlace->SetObjectRects(&rect, &rect);
        inPlace->Release();
    }
}

HRESULT CWebBrowserSite::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
        *object = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
        *object = static_cast<IOleInPlaceSite*>(this);
    else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame))
        *object = static_cast<IOleInPlaceFrame*>(this);
    else if (IsEqualIID(iid, IID_IDocHostUIHandler))
        *object = static_cast<IDocHostUIHandler*>(this);
    else if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID_DWebBrowserEvents2))
        *object = static_cast<IDispatch*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG CWebBrowserSite::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_nReferences));
}

ULONG CWebBrowserSite::Release()
{
    const LONG remaining = InterlockedDecrement(&m_nReferences);
    if (remaining == 0)
        delete this;
    return static_cast<ULONG>(remaining);
}

HRESULT CWebBrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker)
{
    return NoObject(moniker, E_NOTIMPL);
}

HRESULT CWebBrowserSite::GetContainer(IOleContainer** container)
{
    return NoObject(container, E_NOINTERFACE);
}

HRESULT CWebBrowserSite::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = m_hWindow;
    return S_OK;
}

HRESULT CWebBrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                          LPRECT clip, LPOLEINPLACEFRAMEINFO frameInfo)
{
    if (!frame || !document || !position || !clip || !frameInfo)
        return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    GetClientRect(m_hWindow, position);
    GetClientRect(m_hWindow, clip);
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = GetAncestor(m_hWindow, GA_ROOT);
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}

HRESULT CWebBrowserSite::OnPosRectChange(LPCRECT position)
{
    if (position)
        SetRect(*position);
    return S_OK;
}

HRESULT CWebBrowserSite::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*)
{
    // Handled by showing nothing: the page has no context menu.
    return S_OK;
}

HRESULT CWebBrowserSite::GetHostInfo(DOCHOSTUIINFO* info)
{
    if (!info)
        return E_POINTER;
    info->dwFlags = 0;
    info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    return S_OK;
}

HRESULT CWebBrowserSite::GetOptionKeyPath(LPOLESTR* key, DWORD)
{
    return NoObject(key, E_NOTIMPL);
}

HRESULT CWebBrowserSite::GetDropTarget(IDropTarget*, IDropTarget** replacement)
{
    return NoObject(replacement, E_NOTIMPL);
}

HRESULT CWebBrowserSite::GetExternal(IDispatch** external)
{
    return NoObject(external, S_FALSE);
}

HRESULT CWebBrowserSite::TranslateUrl(DWORD, LPWSTR, LPWSTR* translated)
{
    return NoObject(translated, S_FALSE);
}

HRESULT CWebBrowserSite::FilterDataObject(IDataObject*, IDataObject** replacement)
{
    return NoObject(replacement, S_FALSE);
}

HRESULT CWebBrowserSite::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT CWebBrowserSite::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    return NoObject(info, E_NOTIMPL);
}

HRESULT CWebBrowserSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*)
{
    if (!m_pEvents || !params)
        return S_OK;
    // Arguments arrive last first: BeforeNavigate2 (browser, address, flags, target
    // frame, posted data, headers, cancel), NavigateComplete2 (browser, address).
    if (id == DISPID_BEFORENAVIGATE2 && params->cArgs >= 7) {
        VARIANT& cancelArgument = params->rgvarg[0];
        BOOL cancel = cancelArgument.vt == (VT_BYREF | VT_BOOL) && *cancelArgument.pboolVal != VARIANT_FALSE;
        m_pEvents->OnBeforeNavigate2(VariantText(params->rgvarg[5]), cancel);
        if (cancelArgument.vt == (VT_BYREF | VT_BOOL))
            *cancelArgument.pboolVal = cancel ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (id == DISPID_NAVIGATECOMPLETE2 && params->cArgs >= 2) {
        m_pEvents->OnNavigateComplete2(VariantText(params->rgvarg[0]));
    }
    return S_OK;
}
