#pragma once
// Data-aware support: the solar date fields, together with the dataset
// layer they belong to.

#include "ClientDataSet.h"
#include "DataSource.h"
#include "ZarDateFields.h"
