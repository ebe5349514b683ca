#pragma once

#include <optional>

class GridModel;

// The window in which the user picks one of several candidate rows of a lookup.
class CatalogPicker
{
public:
    virtual ~CatalogPicker() = default;

    // Shows `rows` and waits for the user. Gives the picked row of the model as it stands
    // when the window closes (the user may have narrowed or sorted it), or nullopt when
    // the user gave up.
    virtual std::optional<int> pick(GridModel &rows) = 0;
};
