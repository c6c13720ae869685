#pragma once
// The data-aware controls: grid, navigator, edit and check box.

#include "DBCheckBox.h"
#include "DBEdit.h"
#include "DBGrid.h"
#include "DBNavigator.h"
#include "DataSetModel.h"
