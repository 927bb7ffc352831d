#pragma once
// Owning handles for the GLib objects and errors that the cabinet routines use.

#include <glib-object.h>

#include <memory>

struct GObjectUnref {
  void operator()(gpointer object) const {
    if (object) g_object_unref(object);
  }
};

template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

// The error out-parameter of one GLib call, freed with the handle.
class CGError {
 public:
  CGError() = default;
  ~CGError() {
    if (m_pError) g_error_free(m_pError);
  }
  CGError(const CGError&) = delete;
  CGError& operator=(const CGError&) = delete;

  GError** Out() { return &m_pError; }

 private:
  GError* m_pError = nullptr;
};
