#include "platform/os/dynlib.h"

#include <dlfcn.h>

#include <vector>

#include "platform/os/sysinfo.h"
#include "platform/os/text.h"

namespace pxq::os {

std::string LibraryFileName(std::string_view name) {
  std::string file(name);
  auto dot = file.find_last_of('.');
  auto slash = file.find_last_of('/');
  bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  if (hasExt && EqualsIgnoreCase(file.substr(dot), ".dll")) return file.substr(0, dot) + ".so";
  std::string base = slash == std::string::npos ? file : file.substr(slash + 1);
  if (LowerAscii(base).find(".so") != std::string::npos) return file;  // x.so, x.so.6
  return file + ".so";
}

bool HasLibraryExtension(std::string_view fileName) {
  auto dot = fileName.find_last_of('.');
  if (dot == std::string_view::npos) return false;
  auto ext = fileName.substr(dot);
  return EqualsIgnoreCase(ext, ".dll") || EqualsIgnoreCase(ext, ".so");
}

std::filesystem::path ModuleFile(const void* address) {
  Dl_info info{};
  if (address && dladdr(address, &info) && info.dli_fname) {
    std::error_code ec;
    auto p = std::filesystem::canonical(info.dli_fname, ec);
    return ec ? std::filesystem::path(info.dli_fname) : p;
  }
  return ProgramFile();
}

DynamicLibrary::~DynamicLibrary() {
  if (handle_ && !leaked_) dlclose(handle_);
}

std::unique_ptr<DynamicLibrary> DynamicLibrary::Load(std::string_view name, std::string* error,
                                                     const void* caller) {
  std::string file = LibraryFileName(name);
  std::vector<std::filesystem::path> candidates;
  if (file.find('/') != std::string::npos) {
    candidates.emplace_back(file);
  } else {
    const void* where = caller ? caller : reinterpret_cast<const void*>(&ModuleFile);
    candidates.push_back(ModuleFile(where).parent_path() / file);
    candidates.push_back(ProgramFolder() / file);
    candidates.emplace_back(file);  // the system's search path
  }
  std::string lastError = "cannot load " + file;
  for (const auto& candidate : candidates) {
    bool bare = candidate.string() == file && file.find('/') == std::string::npos;
    std::error_code ec;
    if (!bare && !std::filesystem::exists(candidate, ec)) continue;
    dlerror();
    if (void* handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL)) {
      return std::unique_ptr<DynamicLibrary>(new DynamicLibrary(handle, candidate));
    }
    const char* message = dlerror();
    lastError = message ? message : lastError;
  }
  if (error) *error = lastError;
  return nullptr;
}

void* DynamicLibrary::Symbol(const char* name) const {
  return handle_ ? dlsym(handle_, name) : nullptr;
}

}  // namespace pxq::os
