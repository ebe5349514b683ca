#pragma once

#include "common/report/RecordingReportOutput.h"
#include "vouchers/PrintBooks.h"
#include "vouchers/print/VoucherPrint.h"

// A disbursement voucher of E01 in March 2026, type EG: the fees paid to J001 on 10 March,
// paid by cheque 00004471 of Banco Andino (account 111005001) to J002 on 12 March, a bank
// fee paid from the petty cash (not a bank account of group 1110), and the share of the
// branch E02 as generated lines.
class DisbursementBooks : public PrintBooks
{
public:
    DisbursementBooks()
    {
        db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre) VALUES ('111005001', "
                  "'Banco Andino cuenta corriente')");
        db().exec("INSERT INTO TERCERO (Codigo, Nombre) VALUES ('J002', 'Papelería Caracas, "
                  "C.A.')");
        for (const auto &[code, name] :
             std::vector<std::pair<QString, QString>>{{"CH", "CHEQUE"},
                                                      {"NE", "NOTA DE ENTREGA"},
                                                      {"RC", "RECIBO"},
                                                      {"TE", "TRANSFERENCIA"}})
            db().exec("INSERT INTO DOCUMENTO (Codigo, Nombre) VALUES (?, ?)", {code, name});
        session.gCiudadEmpresa = "Caracas";
        session.gRutaReporte = QStringLiteral(VALDORIA_SOURCE_DIR "/reportes");
    }

    VoucherToPrint approveDisbursement()
    {
        enter({"610201001", 10, 123456, 0, "Honorarios de marzo", "J001", "NE", "0001234"});
        enter({"610101001", 10, 10000, 0, "Comisión bancaria", "J002", "FC", "77"});
        enter({"111005001", 12, 0, 123456, "Cheque 4471", "J002", "CH", "00004471"});
        enter({"110101001", 12, 0, 10000, "Caja chica", "J002", "CH", "00004472"});
        generate({"610101001", 10, 5000, 0, "Sueldos de Valencia"}, 1);
        generate({"220101001", 10, 0, 5000, "Por pagar a la casa matriz"}, 2);
        db().exec("UPDATE REGISTRO SET TipoComprobante = 'EG'");
        db().exec("UPDATE CONSOLIDACION SET TipoComprobante = 'EG'");
        const ApprovalOutcome outcome = approveWorkArea();
        EXPECT_TRUE(outcome.approved()) << prompter.lastText().toStdString();
        return {"E01", "E01", 2026, 3, "EG", outcome.number};
    }

    RecordingReportOutput output;
};
