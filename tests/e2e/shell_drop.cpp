#include "e2e/shell_drop.h"

#include <ole2.h>
#include <shlobj.h>

#include <atomic>
#include <cstring>
#include <thread>

namespace e2e {

struct ShellDrop::State {
  std::wstring file;
  POINT target{};
  HANDLE finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HRESULT result = E_PENDING;
  DWORD effect = DROPEFFECT_NONE;
  ~State() { CloseHandle(finished); }
};

namespace {

// The DROPFILES block of one wide file name, as the shell hands it over.
HGLOBAL MakeDropFiles(const std::wstring& file) {
  SIZE_T size = sizeof(DROPFILES) + (file.size() + 2) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!memory) return nullptr;
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), file.c_str(), file.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return memory;
}

// COM interfaces have no virtual destructor by design: objects end in Release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
template <typename Interface>
class ComObject : public Interface {
 public:
  virtual ~ComObject() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (id == IID_IUnknown || id == __uuidof(Interface)) {
      *object = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 private:
  std::atomic<ULONG> references_{1};
};
#pragma GCC diagnostic pop

class FileData final : public ComObject<IDataObject> {
 public:
  explicit FileData(const std::wstring& file) : files_(MakeDropFiles(file)) {}
  ~FileData() override { GlobalFree(files_); }

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    HRESULT usable = QueryGetData(format);
    if (FAILED(usable)) return usable;
    SIZE_T size = GlobalSize(files_);
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy) return E_OUTOFMEMORY;
    std::memcpy(GlobalLock(copy), GlobalLock(files_), size);
    GlobalUnlock(files_);
    GlobalUnlock(copy);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = copy;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    if (format->cfFormat != CF_HDROP) return DV_E_FORMATETC;
    if (!(format->tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return SHCreateStdEnumFmtEtc(1, &format, formats);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  HGLOBAL files_;
};

// Moves the pointer onto the target and drops once the drag loop has seen it
// there a few times, so that the target had its DragEnter and DragOver.
class PointerSource final : public ComObject<IDropSource> {
 public:
  explicit PointerSource(POINT target) : target_(target) {}

  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD) override {
    if (escape || ++asked_ > kGiveUpAfter) return DRAGDROP_S_CANCEL;
    POINT now{};
    GetCursorPos(&now);
    if (now.x != target_.x || now.y != target_.y) {
      SetCursorPos(target_.x, target_.y);
      seen_there_ = 0;
      return S_OK;
    }
    return ++seen_there_ >= kDropAfter ? DRAGDROP_S_DROP : S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

 private:
  static constexpr int kDropAfter = 3;
  static constexpr int kGiveUpAfter = 400;  // the loop asks about every 50 ms
  POINT target_;
  int asked_ = 0;
  int seen_there_ = 0;
};

void Drag(ShellDrop::State& state) {
  OleInitialize(nullptr);
  SetCursorPos(state.target.x, state.target.y);
  auto* data = new FileData(state.file);
  auto* source = new PointerSource(state.target);
  DWORD effect = DROPEFFECT_NONE;
  state.result = DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect);
  state.effect = effect;
  source->Release();
  data->Release();
  OleUninitialize();
}

}  // namespace

ShellDrop::ShellDrop(const std::wstring& file, POINT target) : state_(std::make_shared<State>()) {
  state_->file = file;
  state_->target = target;
  std::thread([state = state_] {
    Drag(*state);
    SetEvent(state->finished);
  }).detach();
}

ShellDrop::~ShellDrop() { Wait(10s); }

bool ShellDrop::Wait(Duration limit) {
  return WaitForSingleObject(state_->finished, static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
}

HRESULT ShellDrop::result() const { return state_->result; }
DWORD ShellDrop::effect() const { return state_->effect; }

}  // namespace e2e
