#include "langlib/LanguageTable.h"

#include <QPainter>
#include <QRect>

// Spanish, the language of users whose own language is Spanish.

namespace {

// Built on every request from its pieces, as the share command expects a
// fresh text with the "?ID" placeholder still in it.
QString ShareNoteText()
{
    return QStringLiteral("A este le llaman \"Calculadora de préstamos ")
        + QStringLiteral("los banqueros no quieren que usted sepa esto\" puesto que le ahorrará mucho dinero ")
        + QStringLiteral("y le ayudará a decidir cuál préstamo cotizado es el mejor. Consulte ")
        + QStringLiteral("Zantic Loan™ en " LANGLIB_PRODUCT_PAGE "?ID y obtenga una versión gratis...")
        + QStringLiteral("\r\n");
}

// Three equal vertical bands: green, white, red.
void PaintTricolour(QPainter& painter, const QRect& area)
{
    const auto bandLeft = [&area](int band) { return area.left() + (band * area.width() + 1) / 3; };
    const Qt::GlobalColor colours[] = { Qt::darkGreen, Qt::white, Qt::red };
    for (int band = 0; band < 3; ++band)
        painter.fillRect(bandLeft(band), area.top(), bandLeft(band + 1) - bandLeft(band), area.height(), colours[band]);
}

}

qint32 LanguageTable::Id()
{
    return 1034;
}

QString LanguageTable::Name()
{
    return QStringLiteral("Español");
}

void LanguageTable::PaintFlag(QPainter& painter, const QRect& area)
{
    PaintTricolour(painter, area);
}

QString LanguageTable::Text(ResStringID ID)
{
    switch (ID) {
    case rsActPayment: return QStringLiteral("Pago Actual");
    case rsActualFrequency: return QStringLiteral("Frecuencia Actual:");
    case rsActualLessThanCalculated: return QStringLiteral("El pago actual no puede ser menor que el calculado.");
    case rsActualPayment: return QStringLiteral("Pago Actual:");
    case rsActualPaymentToolTip: return QStringLiteral("Monto del pago actual");
    case rsAmountLeftToPay: return QStringLiteral("Monto restante a pagar:");
    case rsAnnualInsurance: return QStringLiteral("Seguro Anual:");
    case rsAnnualTaxes: return QStringLiteral("Impuestos Anuales:");
    case rsApply: return QStringLiteral("Aplicar");
    case rsAutomobile: return QStringLiteral("Automóvil");
    case rsBoat: return QStringLiteral("Yate");
    case rsBrowse: return QStringLiteral("Navegar");
    case rsCalculatedPayment: return QStringLiteral("Pago Calculado:");
    case rsCalculatedPaymentToolTip: return QStringLiteral("Monto calculado del pago actual");
    case rsCancel: return QStringLiteral("Cancelar");
    case rsChkPointsToolTip: return QStringLiteral("Marcar si se financiarán Puntos");
    case rsCmdInterestToolTip: return QStringLiteral("Presionar para ordenar de menor a mayor Interés");
    case rsCmdPayoffDateToolTip: return QStringLiteral("Presionar para ordenar por la Fecha en que se liquidará más rápido");
    case rsCollege: return QStringLiteral("Universidad");
    case rsConfirmLoanDelete: return QStringLiteral("Confirmar el Borrado del Préstamo");
    case rsCopyright: return QStringLiteral("&Derechos reservados");
    case rsCopyrightNotice: return QStringLiteral("&Notificación de los derechos de autor:");
    case rsCurActualPaymentToolTip: return QStringLiteral("Monto del pago actual");
    case rsCurInterestRate: return QStringLiteral("Tasa de Interés:");
    case rsCurInterestRateToolTip: return QStringLiteral("Tasa de interés del préstamo actual (%)");
    case rsCurrent: return QStringLiteral("Actual");
    case rsCurrentBalance: return QStringLiteral("Saldo Actual:");
    case rsCurrentBalanceToolTip: return QStringLiteral("Saldo actual del préstamo");
    case rsDebtConsolidation: return QStringLiteral("Consolidación de Deudas");
    case rsDefaultTerm: return QStringLiteral("Plazo Normal (");
    case rsDeleteLoan: return QStringLiteral("Borrar el préstamo ");
    case rsErrOpeningWallpaperFile: return QStringLiteral(" abrir el tapiz de archivo.");
    case rsErrOWF: return QStringLiteral("Error ");
    case rsFileNotValidWP: return QStringLiteral(" no es válido como tapiz.");
    case rsFileNV: return QStringLiteral("Archivo ");
    case rsFPoints: return QStringLiteral("F? Puntos");
    case rsFrequency: return QStringLiteral("Frecuencia");
    case rsFrequencyToolTip: return QStringLiteral("Frecuencia del Pago");
    case rsHelpCaption: return QStringLiteral("Ayuda de Zantic Loan");
    case rsHelpContentsTab: return QStringLiteral("Contenido");
    case rsHelpFileMissing: return QStringLiteral("El archivo de ayuda ");
    case rsHelpFileUnusable: return QStringLiteral(" no existe o no es un archivo de ayuda, así que la ayuda no está disponible.");
    case rsHelpFolderUnwritable: return QStringLiteral("No se puede preparar la ayuda en la carpeta ");
    case rsNoMailProgram: return QStringLiteral("No hay ningún programa de correo configurado en este equipo. ¿Desea copiar el mensaje al portapapeles?");
    case rsHelpFind: return QStringLiteral("&Buscar");
    case rsHelpIndexFilter: return QStringLiteral("Escriba una palabra para buscarla en el índice");
    case rsHelpIndexTab: return QStringLiteral("Índice");
    case rsHelpLookFor: return QStringLiteral("&Palabras a buscar:");
    case rsHelpNothingFound: return QStringLiteral("Ningún tema contiene estas palabras.");
    case rsHelpSearchTab: return QStringLiteral("Buscar");
    case rsHomeImprovement: return QStringLiteral("Mejoras a la Casa");
    case rsInterest: return QStringLiteral("Interés");
    case rsInterestLeftToPay: return QStringLiteral("Interés restante a pagar:");
    case rsInterestPct: return QStringLiteral("Int. %");
    case rsInterestRateToolTip: return QStringLiteral("Tasa de interés (%)");
    case rsInterestToolTip: return QStringLiteral("Interés Total por el plazo del préstamo");
    case rsInvalidDeleteName: return QStringLiteral("Nombre inválido a borrar (espacio)");
    case rsInvalidSaveName: return QStringLiteral("Nombre inválido a grabar (espacio)");
    case rsLoanAmount: return QStringLiteral("Monto del préstamo:");
    case rsLoanFiles: return QStringLiteral("Archivos gráficos|*.bmp;*.jpg;*.gif;*.dib;*.wmf;*.emf;*.jpeg");
    case rsLoanName: return QStringLiteral("Nombre del Préstamo:");
    case rsLoanType: return QStringLiteral("Tipo de Préstamo:");
    case rsLTNewGT: return QStringLiteral("<nuevo>");
    case rsMnuFile: return QStringLiteral("&Archivo");
    case rsMnuFileClose: return QStringLiteral("&Cerrar");
    case rsMnuFileDelete: return QStringLiteral("&Eliminar");
    case rsMnuFileExit: return QStringLiteral("&Salir");
    case rsMnuFileNew: return QStringLiteral("&Nuevo");
    case rsMnuFilePrint: return QStringLiteral("&Imprimir...");
    case rsMnuFilePrintPreview: return QStringLiteral("Mostrar antes de Imprimir");
    case rsMnuFilePrintSetup: return QStringLiteral("Config&urar Impresión...");
    case rsMnuFileProperties: return QStringLiteral("P&ropiedades");
    case rsMnuFileSave: return QStringLiteral("Gra&bar");
    case rsMnuHelp: return QStringLiteral("A&yuda");
    case rsMnuHelpAbout: return QStringLiteral("S&obre Zantic Loan...");
    case rsMnuHelpContents: return QStringLiteral("Cont&enido");
    case rsMnuHelpSearch: return QStringLiteral("Re&lacionada a...");
    case rsMnuTools: return QStringLiteral("&Herramienta");
    case rsMnuToolsIssues: return QStringLiteral("Sugerencias y &Comentarios");
    case rsMnuToolsLanguage: return QStringLiteral("I&dioma");
    case rsMnuToolsLanguageEnglish: return QStringLiteral("English");
    case rsMnuToolsLanguageSpanish: return QStringLiteral("Español");
    case rsMnuToolsOptions: return QStringLiteral("O&pciones");
    case rsMnuWindow: return QStringLiteral("Ve&ntana");
    case rsMnuWindowArrangeIcons: return QStringLiteral("Arre&glo de Iconos");
    case rsMnuWindowCascade: return QStringLiteral("Ca&scada");
    case rsMnuWindowTileHorizontal: return QStringLiteral("Ventana Hori&zontal");
    case rsMnuWindowTileVertical: return QStringLiteral("V&entana Vertical");
    case rsMonthlyEscrow: return QStringLiteral("Reserva Mensual:");
    case rsMonths: return QStringLiteral("Meses");
    case rsMortgage: return QStringLiteral("Hipoteca");
    case rsNew: return QStringLiteral("Nuevo");
    case rsNextPayment: return QStringLiteral("Siguiente Pago:");
    case rsNextPaymentToolTip: return QStringLiteral("¿Cuándo es la siguiente fecha de pago de su préstamo actual?");
    case rsNotNumeric: return QStringLiteral("Favor de teclear un número en la forma");
    case rsNumberTooLarge: return QStringLiteral("El número es demasiado grande para este campo.");
    case rsNumberOfLoans: return QStringLiteral("Los préstamos a mostrar pueden ser entre 2 y 15.");
    case rsNumberOfLoansDisplayed: return QStringLiteral("Número de Préstamos a mostrar");
    case rsOK: return QStringLiteral("Correcto");
    case rsOptions: return QStringLiteral("Opciones");
    case rsPandI: return QStringLiteral("C e I");
    case rsPandIToolTip: return QStringLiteral("Capital e Interés");
    case rsPayment: return QStringLiteral("Pago");
    case rsPaymentFrequency: return QStringLiteral("Frecuencia del Pago:");
    case rsPaymentToolTip: return QStringLiteral("Monto calculado del pago");
    case rsPayoffDate: return QStringLiteral("Fecha Saldar");
    case rsPayoffDateToolTip: return QStringLiteral("Fecha en que el préstamo se liquidará");
    case rsPointsToolTip: return QStringLiteral("Puntos a pagar en el cierre");
    case rsPrinting: return QStringLiteral("Imprimiendo...");
    case rsPrintingLoan: return QStringLiteral("Imprimiendo préstamo ");
    case rsQuestionMark: return QStringLiteral("?");
    case rsReasonNeverPaidOff: return QStringLiteral("Nunca se liquida");
    case rsReasonNoFrequency: return QStringLiteral("Falta la frecuencia");
    case rsReasonNoTerm: return QStringLiteral("Falta el plazo");
    case rsReasonUnknownFrequency: return QStringLiteral("Frecuencia desconocida");
    case rsSaveChanges: return QStringLiteral("¿Grabar cambios?");
    case rsSaveChangesTo: return QStringLiteral("Grabar cambios a ");
    case rsSelSrcWpFile: return QStringLiteral("Seleccionar un tapiz de archivo");
    case rsShare: return QStringLiteral("Compartir");
    case rsShareNoteText: return ShareNoteText();
    case rsShareSubject: return QStringLiteral("Un Gran Préstamo");
    case rsShareToolTip: return QStringLiteral("!Por favor comparta este programa con alguien más!");
    case rsSysInfo: return QStringLiteral("Información del &sistema...");
    case rsSysInfoUnavailable: return QStringLiteral("La información del sistema no está disponible en este momento");
    case rsTerm: return QStringLiteral("Plazo");
    case rsTermBimonthly: return QStringLiteral("Bimestral");
    case rsTermBiweekly: return QStringLiteral("Bisemanal");
    case rsTermIn: return QStringLiteral("Plazo especificado en: ");
    case rsTermMonthly: return QStringLiteral("Mensual");
    case rsTermQuadweekly: return QStringLiteral("Cuadsemanal");
    case rsTermToolTip: return QStringLiteral("Plazo de este préstamo");
    case rsUnusableSaveName: return QStringLiteral("El nombre de un préstamo no puede contener una barra inversa, un tabulador ni un salto de línea, empezar ni terminar con un espacio, ni tener más de 255 caracteres: ");
    case rsVersion: return QStringLiteral("Versión");
    case rsWallpaper: return QStringLiteral("Tapiz");
    case rsWallpaperFile: return QStringLiteral("Archivo de tapiz ");
    case rsWallpaperToolTip: return QStringLiteral("Ejemplo del archivo seleccionado actualmente");
    case rsWFNotFound: return QStringLiteral(" no se encontró.");
    case rsWhatsThisToolTip: return QStringLiteral("\"¿Qué es esto?\" ayuda");
    case rsWho: return QStringLiteral("Quien");
    // The double-click hint has no Spanish text of its own: the tooltip
    // text of rsWhoToolTip carries it.
    case rsWhoDoubleClick: return {};
    case rsWhoToolTip: return QStringLiteral("Institución Financiera, para mayor información, presione dos veces para multilíneas...");
    case rsYears: return QStringLiteral("Años");
    // Printing and the PDF export.
    case rsMnuFileExportPdf: return QStringLiteral("&Exportar a PDF...");
    case rsExportPdfCaption: return QStringLiteral("Exportar a PDF");
    case rsPdfFileFilter: return QStringLiteral("Archivos PDF (*.pdf)");
    case rsPrinterNotStarted: return QStringLiteral("La impresora ");
    case rsPrinterNotStartedEnd: return QStringLiteral(" no pudo empezar a imprimir. Compruebe que está encendida y lista.");
    case rsPdfNotWritten: return QStringLiteral("El archivo PDF ");
    case rsPdfNotWrittenEnd: return QStringLiteral(" no se pudo escribir. Compruebe que la carpeta existe y que tiene permiso para escribir en ella.");
    case rsNoPrinter: return QStringLiteral("No hay ninguna impresora configurada. Para imprimir en un archivo PDF, elija Imprimir en archivo en el cuadro de impresión, o use Archivo > Exportar a PDF.");
    case rsPage: return QStringLiteral("Página ");
    case rsPrinterNotFinishedEnd: return QStringLiteral(" no pudo terminar de imprimir. Es posible que no se haya impreso nada.");
    case rsReportCopyright: return QStringLiteral("Copyright © 2026 Zantic Brindlecoft. Todos los derechos reservados.");
    // Comparing true costs.
    case rsMnuToolsCosts: return QStringLiteral("&Comparar costos...");
    case rsCostsCaption: return QStringLiteral("Comparar costos");
    case rsCostsLender: return QStringLiteral("Prestamista");
    case rsCostsRate: return QStringLiteral("Tasa");
    case rsCostsApr: return QStringLiteral("TAE");
    case rsCostsPoints: return QStringLiteral("Costo de puntos");
    case rsCostsClosing: return QStringLiteral("Gastos de cierre");
    case rsCostsFinanced: return QStringLiteral("Financiados");
    case rsCostsOverHorizon: return QStringLiteral("Costo en el horizonte");
    case rsCostsBreakEven: return QStringLiteral("Punto de equilibrio");
    case rsCostsPayback: return QStringLiteral("Recuperación simple");
    case rsCostsHorizon: return QStringLiteral("Horizonte (años):");
    case rsCostsExportCsv: return QStringLiteral("&Exportar CSV...");
    case rsScheduleNumber: return QStringLiteral("N.º");
    case rsScheduleDate: return QStringLiteral("Fecha");
    case rsSchedulePrincipal: return QStringLiteral("Capital");
    case rsScheduleEscrow: return QStringLiteral("Reserva");
    case rsScheduleBalance: return QStringLiteral("Saldo");
    case rsCostsMonths: return QStringLiteral(" meses");
    case rsCostsOneMonth: return QStringLiteral(" mes");
    case rsCostsNothingYet: return QStringLiteral("Aún no hay cotizaciones con resultados");
    // The Edit menu, Save As and the quote rows' own commands.
    case rsMnuEdit: return QStringLiteral("&Edición");
    case rsMnuEditUndo: return QStringLiteral("&Deshacer");
    case rsMnuEditRedo: return QStringLiteral("&Rehacer");
    case rsMnuFileSaveAs: return QStringLiteral("Grabar &como...");
    case rsSaveAsPrompt: return QStringLiteral("Grabar el escenario con el nombre:");
    case rsReplaceScenario: return QStringLiteral("¿Reemplazar el escenario guardado \"");
    case rsReplaceScenarioEnd: return QStringLiteral("\"?");
    case rsClearQuote: return QStringLiteral("Borrar cotización");
    case rsCopyQuote: return QStringLiteral("Copiar la cotización a la siguiente fila vacía");
    case rsNoEmptyRow: return QStringLiteral("Todas las filas de la hoja tienen una cotización: no queda ninguna fila vacía donde copiarla.");
    case rsStepPoints: return QStringLiteral("Puntos");
    case rsStepFinancePoints: return QStringLiteral("Puntos financiados");
    case rsStepInterestRate: return QStringLiteral("Tasa de interés");
    case rsStepDrag: return QStringLiteral("Arrastre entre filas");
    case rsCostsNever: return QStringLiteral("Nunca");
    case rsCostsNoCurrentLoan: return QStringLiteral("El préstamo actual no tiene liquidación con la que comparar: le falta el saldo, el pago actual o la frecuencia, o su pago nunca lo liquida.");
    case rsCostsTooLarge: return QStringLiteral("Las cifras de esta cotización son demasiado grandes para calcularlas.");
    case rsCostsQuoteNeverPaid: return QStringLiteral("Esta cotización nunca se liquida con su pago actual.");
    case rsCostsNoBreakEven: return QStringLiteral("Cambiar a esta cotización no se recupera antes de liquidar ambos préstamos.");
    case rsCostsNoSaving: return QStringLiteral("El pago calculado de esta cotización no ahorra nada al mes frente al del préstamo actual.");
    case rsCostsNoApr: return QStringLiteral("Ninguna tasa es posible: la cotización no tiene pago calculado, o sus puntos y gastos de cierre son tan grandes como el préstamo.");
    case rsCostsHorizonToolTip: return QStringLiteral("Años de intereses que entran en el costo; vacío para el plazo de cada cotización");
    case rsCostsCurrentLoan: return QStringLiteral("Préstamo actual");
    case rsCsvNotWritten: return QStringLiteral("El archivo CSV ");
    case rsCsvFileFilter: return QStringLiteral("Archivos CSV (*.csv)");
    case rsCostsOwnTerm: return QStringLiteral("Plazo de cada cotización");
    case rsCostsSameLenderRow: return QStringLiteral(" (fila ");
    case rsFirstPayment: return QStringLiteral("Primer pago:");
    case rsFirstPaymentToolTip: return QStringLiteral("La fecha de vencimiento del primer pago del préstamo nuevo, tal como figura en la Estimación del Préstamo. Vacía: los pagos empiezan hoy.");
    case rsCostsLenderCredit: return QStringLiteral("Crédito del prestamista");
    case rsCostsMortgageInsurance: return QStringLiteral("Seguro hipotecario");
    case rsCostsDisclosedApr: return QStringLiteral("TAE del prestamista");
    case rsCostsAmountFinanced: return QStringLiteral("Monto financiado");
    case rsCostsInFiveYears: return QStringLiteral("En 5 años");
    case rsCostsPrincipalInFiveYears: return QStringLiteral("Capital en 5 años");
    case rsCostsTip: return QStringLiteral("TIP");
    case rsPropertyValue: return QStringLiteral("Valor de la propiedad:");
    case rsPropertyValueToolTip: return QStringLiteral("Lo que vale la propiedad, para saber cuándo termina el seguro hipotecario: al 78 % de este valor. Vacío: todos los pagos llevan el seguro.");
    case rsCostsAprOutside: return QStringLiteral("La TAE del prestamista, %1, se aparta de la calculada, %2, en %3 puntos porcentuales: más del 1/8 de punto que se admite en un préstamo normal.");
    case rsCostsAprWithin: return QStringLiteral("La TAE del prestamista, %1, está a menos de 1/8 de punto porcentual de la calculada, %2 (diferencia de %3 puntos).");
    case rsCostsAprImpossible: return QStringLiteral("Una TAE del 0 % o del 100 % o más no es la de ningún prestamista: revise lo que escribió.");
    case rsCostsCreditExceeds: return QStringLiteral("El crédito del prestamista supera todos los puntos y gastos de cierre: los gastos cuentan como 0, nunca menos.");
    case rsCostsInsuranceNoValue: return QStringLiteral("No se indicó el valor de la propiedad: todos los pagos llevan el seguro hipotecario.");
    case rsCostsInsuranceValueBelow: return QStringLiteral("El valor de la propiedad es menor que el monto del préstamo: todos los pagos llevan el seguro hipotecario.");
    case rsCostsInsuranceEnds: return QStringLiteral("Los primeros %1 pagos llevan el seguro hipotecario; termina cuando el saldo baja al 78 % del valor de la propiedad.");
    case rsCostsPrint: return QStringLiteral("&Imprimir...");
    case rsCostsExportPdf: return QStringLiteral("Exportar P&DF...");
    case rsFirstPaymentFar: return QStringLiteral("El primer pago está a más de un año: revise la fecha.");
    case rsFirstPaymentPast: return QStringLiteral("El primer pago ya pasó: se considera que el préstamo nuevo empezó entonces.");
    case rsCostsReportTitle: return QStringLiteral("Comparación de costos reales");
    case rsCostsReportSchedule: return QStringLiteral("Pagos de ");
    case rsCostsReportChart: return QStringLiteral("Saldo adeudado a lo largo del tiempo");
    case rsCostsShowEstimate: return QStringLiteral("&Estimación del préstamo");
    case rsCostsShowEstimateToolTip: return QStringLiteral("Muestra las columnas de las Estimaciones del Préstamo de los prestamistas: su TAE, el crédito del prestamista y el seguro hipotecario para anotar, y el monto financiado, En 5 años y la TIP para comparar.");
    case rsModuleNotLoaded: return QStringLiteral("No se puede abrir esta ventana: falta una parte del programa o está dañada. Para repararlo, vuelva a instalar el programa.\n\n%1");
    case rsPropertyValueBelowLoan: return QStringLiteral("El valor de la propiedad es menor que el monto del préstamo: todos los pagos llevan el seguro hipotecario.");
    // Accessible names and descriptions; the sorts as menu commands.
    case rsNameQuoteField: return QStringLiteral("Cotización %1, %2");
    case rsNameNewLoanField: return QStringLiteral("Préstamo nuevo, %1");
    case rsNameCurrentLoanField: return QStringLiteral("Préstamo actual, %1");
    case rsNameFinancePoints: return QStringLiteral("puntos financiados");
    case rsNamePoints: return QStringLiteral("puntos");
    case rsNameInterestRate: return QStringLiteral("tasa de interés");
    case rsNameTerm: return QStringLiteral("plazo");
    case rsNameFrequency: return QStringLiteral("frecuencia de pago");
    case rsNamePandI: return QStringLiteral("capital e interés");
    case rsNamePayment: return QStringLiteral("pago");
    case rsNameActualPayment: return QStringLiteral("pago real");
    case rsNamePayoffDate: return QStringLiteral("fecha de liquidación");
    case rsNameInterest: return QStringLiteral("interés total");
    case rsNameWho: return QStringLiteral("prestamista y contacto");
    case rsAboutPandI: return QStringLiteral("Capital e interés de un pago programado, sin la reserva");
    case rsAboutPayment: return QStringLiteral("El pago programado: capital e interés más la reserva de su período");
    case rsAboutPayoffDate: return QStringLiteral("La fecha del pago que liquida esta cotización, pagando siempre su pago real");
    case rsAboutInterest: return QStringLiteral("Todo el interés que se paga por esta cotización hasta liquidarla");
    case rsAboutMonthlyEscrow: return QStringLiteral("Los impuestos y el seguro anuales repartidos en doce meses");
    case rsAboutCurPayment: return QStringLiteral("El pago que corresponde al monto, plazo y tasa del préstamo actual según su frecuencia de pago");
    case rsAboutCurPayoffDate: return QStringLiteral("La fecha en que se liquida el saldo actual, pagando el pago real con la frecuencia real");
    case rsAboutCurAmountLeft: return QStringLiteral("Todo lo que falta pagar del préstamo actual a partir del próximo pago, intereses incluidos");
    case rsAboutCurInterestLeft: return QStringLiteral("La parte de lo que falta pagar que corresponde a intereses");
    case rsNameCostsTable: return QStringLiteral("Costos reales de las cotizaciones");
    case rsNameScheduleTable: return QStringLiteral("Pagos de la cotización elegida");
    case rsNameBalanceChart: return QStringLiteral("Saldo a lo largo del tiempo");
    case rsNameStepUp: return QStringLiteral("%1, uno más");
    case rsNameStepDown: return QStringLiteral("%1, uno menos");
    case rsNameHelpTopic: return QStringLiteral("Tema de ayuda");
    case rsNameHelpResults: return QStringLiteral("Temas encontrados");
    case rsNameHelpIndexList: return QStringLiteral("Entradas del índice");
    case rsMnuToolsSortPayoff: return QStringLiteral("Ordenar por &fecha de liquidación");
    case rsMnuToolsSortInterest: return QStringLiteral("Ordenar por &interés");
    case rsNameWhatsThis: return QStringLiteral("Ayuda «¿Qué es esto?»");
    }
    return {};
}
