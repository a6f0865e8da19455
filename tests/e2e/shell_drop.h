// Drops a file on a window of another program as the shell does: OLE drag and
// drop of a data object holding one CF_HDROP name, with the pointer moved onto
// the target point. The drop source answers "drop" once the pointer is there
// (pressed buttons from SendInput do not reach the drag loop under Wine).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "e2e/desktop.h"

namespace e2e {

class ShellDrop {
 public:
  // Starts the drag on a thread of its own: the target may open a modal box
  // inside its Drop, which the caller's thread then answers.
  ShellDrop(const std::wstring& file, POINT target);
  ~ShellDrop();
  ShellDrop(const ShellDrop&) = delete;
  ShellDrop& operator=(const ShellDrop&) = delete;

  // Waits until the drag loop has ended; false if it is still running.
  bool Wait(Duration limit);
  // DoDragDrop's result (DRAGDROP_S_DROP for a drop) and the effect the target chose.
  HRESULT result() const;
  DWORD effect() const;

  struct State;

 private:
  std::shared_ptr<State> state_;
};

}  // namespace e2e
