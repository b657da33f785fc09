// Dynamic libraries loaded by name. A library named "X.dll" (any letter case of the extension)
// is the file "X.so" here; a name without extension gets ".so". A bare name is searched in the
// folder of the loading module first, then the running program's folder, then the system's
// library path.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace pxq::os {

std::string LibraryFileName(std::string_view name);
// True when a file name carries a library extension (".dll" or ".so", any letter case).
bool HasLibraryExtension(std::string_view fileName);

class DynamicLibrary {
 public:
  ~DynamicLibrary();
  DynamicLibrary(const DynamicLibrary&) = delete;
  DynamicLibrary& operator=(const DynamicLibrary&) = delete;

  // Loads a library; nullptr with `error` filled when it cannot be loaded. `caller` is an
  // address inside the loading module (defaults to this platform library's module).
  static std::unique_ptr<DynamicLibrary> Load(std::string_view name, std::string* error = nullptr,
                                              const void* caller = nullptr);
  void* Symbol(const char* name) const;
  const std::filesystem::path& Path() const { return path_; }
  // Keeps the library loaded for the rest of the process (the handle is not closed).
  void Leak() { leaked_ = true; }

 private:
  DynamicLibrary(void* handle, std::filesystem::path path) : handle_(handle), path_(path) {}
  void* handle_;
  std::filesystem::path path_;
  bool leaked_ = false;
};

// File of the module (program or shared library) that contains `address`.
std::filesystem::path ModuleFile(const void* address);

}  // namespace pxq::os
