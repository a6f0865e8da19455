// Files dropped from the shell, delivered to the window's drop-target component
// as one text: a single name alone, several each followed by "\r\n".
#include "ui/win32/native.h"

#include <ole2.h>
#include <shellapi.h>

#include <map>

#include "host/win32/wide.h"

namespace ui::win32 {
namespace {

// The drop-target component that accepts files, or -1.
int AcceptingTarget(NativeWindow& native) {
  if (!native.model) return -1;
  for (int i = 0; i < native.model->control_count(); ++i) {
    Control control = native.model->at(i);
    if (control.def().kind == ControlKind::kDropTarget && control.accept_files()) return i;
  }
  return -1;
}

// COM objects end through Release, never through a destructor call on the interface.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class DropTarget final : public IDropTarget {
 public:
  explicit DropTarget(HWND hwnd) : hwnd_(hwnd) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    if (id == IID_IUnknown || id == IID_IDropTarget) {
      *out = static_cast<IDropTarget*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    accept_ = data->QueryGetData(&format) == S_OK;
    *effect = Effect();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
    *effect = Effect();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    NativeWindow* native = NativeOf(hwnd_);
    int target = native ? AcceptingTarget(*native) : -1;
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (target < 0 || data->GetData(&format, &medium) != S_OK) return S_OK;
    auto drop = static_cast<HDROP>(GlobalLock(medium.hGlobal));
    std::vector<Text> names;
    UINT count = drop ? DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) : 0;
    for (UINT i = 0; i < count; ++i) {
      std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
      DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size()));
      name.resize(name.size() - 1);
      names.push_back(host::win32::Narrow(name));
    }
    GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);
    if (names.empty()) return S_OK;
    Text text;
    for (const Text& name : names) text += names.size() == 1 ? name : name + "\r\n";
    *effect = DROPEFFECT_COPY;
    native->model->ui().Dispatch(*native->model, target, Event::kFilesDropped, text);
    return S_OK;
  }

 private:
  DWORD Effect() {
    NativeWindow* native = NativeOf(hwnd_);
    return accept_ && native && AcceptingTarget(*native) >= 0 ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  }

  HWND hwnd_;
  LONG references_ = 1;
  bool accept_ = false;
};
#pragma GCC diagnostic pop

}  // namespace

bool RegisterDrop(NativeWindow& native) {
  if (native.drop_registered) return false;
  auto* target = new DropTarget(native.hwnd);
  HRESULT result = RegisterDragDrop(native.hwnd, target);
  target->Release();  // the system holds its own reference
  if (FAILED(result)) return false;
  native.drop_registered = true;
  return true;
}

void RevokeDrop(NativeWindow& native) {
  if (native.drop_registered) RevokeDragDrop(native.hwnd);
  native.drop_registered = false;
}

}  // namespace ui::win32
