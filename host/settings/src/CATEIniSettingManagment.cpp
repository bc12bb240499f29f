#include "CATEIniSettingManagment.h"

#include "CATIIniSettingManagment.h"
#include "CATSettingRepository.h"

CATImplementClass(CATEIniSettingManagment, CATDataExtensionClass, CATBaseUnknown, CATNull)

namespace {
CATSettingRepository* RepositoryNamed(const std::string& name) {
  return CATSettingRepository::GetRepository(name.c_str(), 0, 1, nullptr);
}

}  // namespace

CATEIniSettingManagment::CATEIniSettingManagment(const char* repositoryName)
    : repository_name_(repositoryName != nullptr ? repositoryName : "") {}

CATEIniSettingManagment::~CATEIniSettingManagment() = default;

HRESULT CATEIniSettingManagment::Commit() {
  CATSettingRepository* repository = RepositoryNamed(repository_name_);
  return repository != nullptr ? repository->Commit() : E_FAIL;
}

HRESULT CATEIniSettingManagment::ResetToAdminValues() {
  CATSettingRepository* repository = RepositoryNamed(repository_name_);
  return repository != nullptr ? repository->ResetToAdminValues() : E_FAIL;
}

HRESULT CATEIniSettingManagment::Rollback() {
  CATSettingRepository* repository = RepositoryNamed(repository_name_);
  return repository != nullptr ? repository->Rollback() : E_FAIL;
}

HRESULT CATEIniSettingManagment::SaveRepository() {
  CATSettingRepository* repository = RepositoryNamed(repository_name_);
  return repository != nullptr ? repository->SaveRepository() : E_FAIL;
}
