#pragma once
// Why a folder could not be opened, looked up at the moment of the failure, so the message
// can say what happened.

#include "system_services.h"

FolderFault folder_fault(const QString& folder);
