#include "GridSamples.h"

namespace GridSamples {

void addParties(Db &db, int count)
{
    // One statement that counts on the server: a hundred thousand rows sent one value at
    // a time would cost seconds on PostgreSQL.
    db.exec("INSERT INTO TERCERO (Codigo, Nombre) "
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
            "SELECT 'J-' || SUBSTR(CAST(1000000000 + i AS VARCHAR(10)), 2), "
            "'TERCERO ' || CAST(i AS VARCHAR(10)) FROM n",
            {count});
}

} // namespace GridSamples
