// prodrequest.hpp - the derived-product request (dialog 110): three maps and five time series
// computed from the grids, with their checks, go lines and titles.
#pragma once

#include <string>

#include "requestparts.hpp"
#include "vertrequest.hpp"
#include "viewerport.hpp"
#include "viewerstate.hpp"

constexpr int ProductDialog = IDD_PRODUCTS;

// What plotprodview reads of dialog 110.
struct ProductFields {
    int product = 1, plotType = 1;
    RegionFields region;
    DateFields dates;
    int landItem = 2;
    std::string fillLevels = std::string(44, ' ');
};
void readproductfields(ViewerPort& port, ProductFields& fields);

// The family's lines carry the land flag and, in the place of the vector class, the
// product-only flag that the JPG chain takes.
RequestOutcome productrequestlines(const ProductFields& fields, const ViewerState& state);

// Field logic of dialog 110, run on every change of a field's own contents.
void prodviewfields(ViewerPort& port);

// The request of a push button of dialog 110.
void plotprodview(ViewerPort& port, ViewerState& state, int button);
