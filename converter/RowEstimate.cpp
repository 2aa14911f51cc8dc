#include "RowEstimate.h"

#include "mdlCommon.h"

#include <cmath>

namespace {

// The first value of the statement's first row as a whole number; -1 for null or no row.
long long FirstNumber(ado::Connection& connection, const std::string& sql)
{
    const ado::RecordsetPtr answer = connection.Execute(sql, ado::adOpenStatic);
    if (answer->Eof() || answer->FieldCount() < 1 || ado::IsNull(answer->Fields(0L).GetValue()))
        return -1;
    const double number = mdlCommon::NumberFromText(mdlCommon::GetValueText(*answer, true));
    return std::isfinite(number) && number >= 0 ? static_cast<long long>(number) : -1;
}

}  // namespace

long long RowEstimate::Of(ado::Connection& objCon, catalogue::Kind kind, const std::string& strTable,
                          const std::string& strObjectName, const std::string& strExpr)
{
    if (strExpr.find_first_not_of(" \t\r\n") != std::string::npos)
        return -1;
    const std::string object = "object_id('" + strObjectName + "')";
    try {
        if (objCon.IsEmbedded()) {
            const ado::RecordsetPtr kind =
                objCon.Execute("select xtype from sysobjects where id = " + object, ado::adOpenStatic);
            if (kind->Eof() || mdlCommon::GetValueText(*kind, false) != "U")
                return -1;
            return FirstNumber(objCon, "select count(*) from " + strTable);
        }
        const std::string partitions =
            "select sum(rows) from sys.partitions where object_id = " + object + " and index_id < 2";
        long long rows = -1;
        if (kind == catalogue::Kind::Views) {
            rows = FirstNumber(objCon, partitions);
        } else {
            try {
                rows = FirstNumber(objCon, partitions);
            } catch (...) {
                rows = FirstNumber(objCon, "select sum(rows) from sysindexes where id = " + object + " and indid < 2");
            }
        }
        return rows > 0 ? rows : -1;
    } catch (...) {
        return -1;
    }
}
