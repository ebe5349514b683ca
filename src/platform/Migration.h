#pragma once

#include <QString>
#include <functional>

class Db;

// One numbered step of the schema. `apply` runs inside its own transaction.
struct Migration
{
    int version = 0;
    QString description;
    std::function<void(Db &)> apply;
};
