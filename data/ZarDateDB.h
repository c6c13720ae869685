#pragma once
// Data-aware support: the solar date fields, together with the dataset
// layer they belong to. One include for the client dataset, data sources and
// links, and TZarDateField / TZarDateTimeField.

#include "ClientDataSet.h"
#include "DataSource.h"
#include "ZarDateFields.h"
