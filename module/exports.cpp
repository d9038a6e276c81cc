// The plug-in's four entry points, under their plain names; everything else is hidden.
#include "module/Entry.h"

#define OBS_EXPORT __attribute__((visibility("default")))

extern "C" {

OBS_EXPORT QVariant ObservacaoMod(host::TClientDataSet *list, const QString &caption) noexcept
{
    return module::observacaoMod(list, caption);
}

OBS_EXPORT void Initialize() noexcept
{
    module::initializePackage();
}

OBS_EXPORT void Finalize() noexcept
{
    module::finalizePackage();
}

OBS_EXPORT const PackageInfoTable *GetPackageInfoTable() noexcept
{
    return module::packageInfoTable();
}

} // extern "C"
