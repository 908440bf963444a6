<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>Checking</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorro</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>USD ($)</source>
        <translation>USD ($)</translation>
    </message>
    <message>
        <source>EUR (€)</source>
        <translation>EUR (€)</translation>
    </message>
    <message>
        <source>GBP (£)</source>
        <translation>GBP (£)</translation>
    </message>
    <message>
        <source>CAD ($)</source>
        <translation>CAD ($)</translation>
    </message>
    <message>
        <source>AUD ($)</source>
        <translation>AUD ($)</translation>
    </message>
    <message>
        <source>JPY (¥)</source>
        <translation>JPY (¥)</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nombre de la cuenta</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nombre del banco (opcional)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Últimos 4 dígitos (opcional)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Moneda:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Saldo &amp;inicial:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>A &amp;fecha de:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Entidad:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Número de &amp;cuenta:</translation>
    </message>
    <message>
        <source>The currency cannot change once the account holds amounts in it.</source>
        <translation>La moneda no puede cambiarse una vez que la cuenta contiene importes en ella.</translation>
    </message>
</context>
<context>
    <name>AccountPageParts</name>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
</context>
<context>
    <name>AccountRowWidget</name>
    <message>
        <source>The balance cannot be computed from the stored transactions.</source>
        <translation>El saldo no puede calcularse a partir de las transacciones guardadas.</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorro</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>Shared with you</source>
        <translation>Compartida contigo</translation>
    </message>
    <message>
        <source>Shared with you by %1</source>
        <translation>Compartida contigo por %1</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>No accounts</source>
        <translation>No hay cuentas</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>This data was made by a newer version of Mellowind Ledgerine (data version %1). This version understands data up to version %2.</source>
        <translation>Estos datos los creó una versión más reciente de Mellowind Ledgerine (versión de datos %1). Esta versión admite datos hasta la versión %2.</translation>
    </message>
    <message>
        <source>Required tables are missing: %1.</source>
        <translation>Faltan tablas necesarias: %1.</translation>
    </message>
    <message>
        <source>The SQLite library of Qt&apos;s database driver differs from the one this program was built with (driver / program: %1).</source>
        <translation>La biblioteca SQLite del controlador de base de datos de Qt no es la misma con la que se compiló este programa (controlador / programa: %1).</translation>
    </message>
    <message>
        <source>Please check file permissions and try again.</source>
        <translation>Compruebe los permisos de los archivos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1</source>
        <translation>No se pudo inicializar la base de datos.

Directorio de datos: %1</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine is running with this data (%1); close it before importing.</source>
        <translation>Mellowind Ledgerine se está ejecutando con estos datos (%1); ciérrelo antes de importar.</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine</source>
        <translation>Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine is already running with this data (%1).</source>
        <translation>Mellowind Ledgerine ya se está ejecutando con estos datos (%1).</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Error de base de datos</translation>
    </message>
    <message>
        <source>The ledger file is read-only, and this version of Mellowind Ledgerine has to update it before it can open it. Allow writing to it and try again.</source>
        <translation>El archivo del libro contable es de solo lectura y esta versión de Mellowind Ledgerine debe actualizarlo antes de poder abrirlo. Permita la escritura en él e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The ledger file is damaged (%1). Restore a backup from File › Import Backup, or open it with an SQLite tool.</source>
        <translation>El archivo del libro contable está dañado (%1). Restaure una copia de seguridad desde Archivo › Importar copia de seguridad, o ábralo con una herramienta de SQLite.</translation>
    </message>
    <message>
        <source>Import Backup...</source>
        <translation>Importar copia de seguridad...</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>No se pudo abrir el archivo ZIP</translation>
    </message>
    <message>
        <source>The backup holds more than %1 entries.</source>
        <translation>La copia de seguridad contiene más de %1 entradas.</translation>
    </message>
    <message>
        <source>The backup unpacks to more than %1 bytes.</source>
        <translation>La copia de seguridad ocupa más de %1 bytes al descomprimirla.</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Copia de seguridad no válida: falta manifest.json</translation>
    </message>
    <message>
        <source>The backup entry %1 is larger than the limit of %2 bytes.</source>
        <translation>La entrada %1 de la copia de seguridad supera el límite de %2 bytes.</translation>
    </message>
    <message>
        <source>Invalid backup: damaged manifest.json</source>
        <translation>Copia de seguridad no válida: manifest.json está dañado</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Versión de copia de seguridad no admitida: %1</translation>
    </message>
    <message>
        <source>unknown table</source>
        <translation>tabla desconocida</translation>
    </message>
    <message>
        <source>%1: invalid value for %2</source>
        <translation>%1: valor no válido para %2</translation>
    </message>
    <message>
        <source>%1: amount beyond the limit</source>
        <translation>%1: importe por encima del límite</translation>
    </message>
    <message>
        <source>%1: not restored: %2</source>
        <translation>%1: no restaurado: %2</translation>
    </message>
    <message>
        <source>the backup entry %1 is larger than the limit of %2 bytes</source>
        <translation>la entrada %1 de la copia de seguridad supera el límite de %2 bytes</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: JSON no válido</translation>
    </message>
    <message>
        <source>%1: members that are not columns were ignored: %2%3</source>
        <translation>%1: se han ignorado miembros que no son columnas: %2%3</translation>
    </message>
    <message>
        <source>Nothing was restored: %1.</source>
        <translation>No se restauró nada: %1.</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: rechazado: %2</translation>
    </message>
    <message>
        <source>The transaction is linked to itself as a transfer.</source>
        <translation>La transacción está vinculada consigo misma como transferencia.</translation>
    </message>
    <message>
        <source>The transaction is split but has no split lines.</source>
        <translation>La transacción está dividida pero no tiene líneas de división.</translation>
    </message>
    <message>
        <source>The member %1 holds control characters.</source>
        <translation>El campo %1 contiene caracteres de control.</translation>
    </message>
    <message>
        <source>The category is its own parent.</source>
        <translation>La categoría es su propia categoría superior.</translation>
    </message>
    <message>
        <source>Its transaction was not restored.</source>
        <translation>Su transacción no se restauró.</translation>
    </message>
    <message>
        <source>The backup unpacks to %1 bytes, more than %2 times the %3 bytes of the file: it is not a backup this program made.</source>
        <translation>La copia de seguridad se descomprime en %1 bytes, más de %2 veces los %3 bytes del archivo: no la creó este programa.</translation>
    </message>
    <message>
        <source>The backup unpacks to %1 bytes, more than the %2 bytes free on the disk that holds the ledger.</source>
        <translation>La copia de seguridad se descomprime en %1 bytes, más que los %2 bytes libres en el disco del libro contable.</translation>
    </message>
    <message>
        <source>the restore was cancelled</source>
        <translation>se canceló la restauración</translation>
    </message>
    <message>
        <source>%1: refused: the path leaves its folder</source>
        <translation>%1: rechazado: la ruta sale de su carpeta</translation>
    </message>
    <message>
        <source>the data as it stands could not be saved to %1 first: %2</source>
        <translation>no se pudieron guardar antes los datos actuales en %1: %2</translation>
    </message>
    <message>
        <source>The damaged file could not be moved aside.</source>
        <translation>No se pudo apartar el archivo dañado.</translation>
    </message>
    <message>
        <source>The new ledger could not be put in place.</source>
        <translation>No se pudo poner el nuevo libro contable en su lugar.</translation>
    </message>
    <message>
        <source>The ledger could not be opened for the restore: %1</source>
        <translation>No se pudo abrir el libro contable para la restauración: %1</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Buscar categorías...</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Nueva categoría</translation>
    </message>
    <message>
        <source>The category could not be saved.</source>
        <translation>No se pudo guardar la categoría.</translation>
    </message>
    <message numerus="yes">
        <source>Delete &quot;%1&quot; and its %n sub-categories? Transactions using them will become uncategorized.</source>
        <translation>
            <numerusform>¿Eliminar «%1» y su %n subcategoría? Las transacciones que las usan quedarán sin categoría.</numerusform>
            <numerusform>¿Eliminar «%1» y sus %n subcategorías? Las transacciones que las usan quedarán sin categoría.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>¿Eliminar «%1»? Las transacciones que usan esta categoría quedarán sin categoría.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Eliminar categoría</translation>
    </message>
    <message>
        <source>The category could not be deleted.</source>
        <translation>No se pudo eliminar la categoría.</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nueva categoría</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>Añadir &amp;subcategoría</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <source>Shared category</source>
        <translation>Categoría compartida</translation>
    </message>
</context>
<context>
    <name>CategoryComboBox</name>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>Expense</source>
        <translation>Gasto</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nueva subcategoría</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Editar categoría</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nombre de la categoría</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Relevante para impuestos</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Incluir esta categoría en los informes para la declaración de impuestos.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>p. ej., charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>&amp;Código fiscal:</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Categoría &amp;superior:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Donativos benéficos</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Gastos médicos</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Gastos profesionales</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Oficina en casa</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Gastos de educación</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impuestos estatales y locales</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intereses hipotecarios</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Impuesto sobre bienes inmuebles</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Vivienda</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Alquiler/hipoteca</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Mantenimiento</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Comunidad de propietarios</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Suministros</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Gasolina/combustible</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Cuota del coche</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Seguro del coche</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transporte público</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Supermercado</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Comidas y restaurantes</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Cuidado personal</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Mascotas</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Regalos</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Ocio</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cine</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Compras</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Ropa</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electrónica</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Hogar</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguros</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vida</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hogar/alquiler</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automóvil</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Comisiones y cargos</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Comisiones bancarias</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Comisiones de cajero</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Recargos por demora</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salario / nómina</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendos</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Ingresos por alquiler</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Autónomo / consultoría</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Reembolsos</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Regalos recibidos</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Otros ingresos</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
</context>
<context>
    <name>CsvMappingPanel</name>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Asignación de columnas CSV:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Columna de fecha:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Columna de beneficiario:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Columna de importe:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Columna de nota:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Columna de categoría:</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Detección automática</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Mes D, AAAA (May 14, 2026)</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Formato de fecha:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La primera fila es el encabezado</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1: %2</translation>
    </message>
    <message>
        <source>Choose a date format or type one, such as dd.MM.yyyy</source>
        <translation>Elija un formato de fecha o escriba uno, como dd.MM.yyyy</translation>
    </message>
    <message>
        <source>One signed amount column</source>
        <translation>Una columna de importe con signo</translation>
    </message>
    <message>
        <source>Paid-out and paid-in columns</source>
        <translation>Columnas de cargos y abonos</translation>
    </message>
    <message>
        <source>Amount and direction column</source>
        <translation>Importe y columna de sentido</translation>
    </message>
    <message>
        <source>Amounts:</source>
        <translation>Importes:</translation>
    </message>
    <message>
        <source>Paid-out column:</source>
        <translation>Columna de cargos:</translation>
    </message>
    <message>
        <source>Paid-in column:</source>
        <translation>Columna de abonos:</translation>
    </message>
    <message>
        <source>Direction column:</source>
        <translation>Columna de sentido:</translation>
    </message>
    <message>
        <source>such as Af or debit</source>
        <translation>p. ej. Af o debit</translation>
    </message>
    <message>
        <source>Paid out when it says:</source>
        <translation>Cargo cuando dice:</translation>
    </message>
    <message>
        <source>such as Bij or credit</source>
        <translation>p. ej. Bij o credit</translation>
    </message>
    <message>
        <source>Paid in when it says:</source>
        <translation>Abono cuando dice:</translation>
    </message>
    <message>
        <source>Decimal comma (1.234,56)</source>
        <translation>Coma decimal (1.234,56)</translation>
    </message>
    <message>
        <source>Invert signs</source>
        <translation>Invertir signos</translation>
    </message>
    <message>
        <source>For card statements that list purchases as positive</source>
        <translation>Para extractos de tarjeta que listan las compras en positivo</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Detectar</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Coma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Punto y coma</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Lines to skip:</source>
        <translation>Líneas que omitir:</translation>
    </message>
    <message>
        <source>Delimiter:</source>
        <translation>Delimitador:</translation>
    </message>
</context>
<context>
    <name>CsvPreviewTable</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Correcta</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicada</translation>
    </message>
    <message>
        <source>Invalid: %1</source>
        <translation>No válida: %1</translation>
    </message>
</context>
<context>
    <name>CsvProfileBar</name>
    <message>
        <source>Rename...</source>
        <translation>Renombrar...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Profile &quot;%1&quot; applied: the file has its columns.</source>
        <translation>Perfil «%1» aplicado: el archivo tiene sus columnas.</translation>
    </message>
    <message>
        <source>The mapping is kept as profile &quot;%1&quot; for the next file of this layout.</source>
        <translation>La asignación se guarda como perfil «%1» para el próximo archivo con este formato.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Rename Profile</source>
        <translation>Renombrar perfil</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>The name is empty or another profile of this account has it.</source>
        <translation>El nombre está vacío o lo tiene otro perfil de esta cuenta.</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Eliminar perfil</translation>
    </message>
    <message>
        <source>Delete the profile &quot;%1&quot;? Files of its layout will need mapping again.</source>
        <translation>¿Eliminar el perfil «%1»? Los archivos con este formato habrá que asignarlos de nuevo.</translation>
    </message>
</context>
<context>
    <name>DataSettingsPage</name>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Keep your ledgerine in sync across all your devices.</source>
        <translation>Mantenga su ledgerine sincronizado en todos sus dispositivos.</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Copia de seguridad y restauración</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Guarde o restaure sus datos en un archivo de copia de seguridad portátil.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exportar copia de seguridad</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importar copia de seguridad</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Cuentas eliminadas</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Aquí puede restaurar las cuentas que ha eliminado.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurar seleccionadas</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Mellowind Account to enable sync.</source>
        <translation>Sesión no iniciada.
Inicie sesión en Archivo › Cuenta Mellowind para activar la sincronización.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Sesión iniciada como:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Estado:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Archivos ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Copia de seguridad completada</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Copia de seguridad guardada en:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Error en la copia de seguridad</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>No se pudo escribir en:
%1</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>Restaurar cuenta</translation>
    </message>
    <message>
        <source>This account was shared with you, and its owner no longer shares it. Only the owner can bring it back.</source>
        <translation>Esta cuenta se compartió contigo y su propietario ya no la comparte. Solo el propietario puede recuperarla.</translation>
    </message>
    <message>
        <source>The account could not be restored.</source>
        <translation>No se pudo restaurar la cuenta.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir calendario (F4)</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>Mellowind Ledgerine, a check register for household finances. With --import it imports transactions from CSV and QIF files and ends without opening a window.</source>
        <translation>Mellowind Ledgerine, un registro de cheques para las finanzas domésticas. Con --import importa transacciones de archivos CSV y QIF y termina sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>The account for CSV files and for QIF files without account blocks. QIF accounts go to the account of the same name (without case).</source>
        <translation>La cuenta para los archivos CSV y para los archivos QIF sin bloques de cuenta. Las cuentas QIF van a la cuenta del mismo nombre (sin distinguir mayúsculas y minúsculas).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>Create missing accounts (in US dollars) instead of skipping their transactions.</source>
        <translation>Crear las cuentas que falten (en dólares estadounidenses) en lugar de omitir sus transacciones.</translation>
    </message>
    <message>
        <source>The CSV columns in order: date, payee, amount, memo, category, or - to skip one (default: date,payee,amount).</source>
        <translation>Las columnas CSV en orden: date, payee, amount, memo, category, o - para omitir una (predeterminado: date,payee,amount).</translation>
    </message>
    <message>
        <source>LIST</source>
        <translation>LISTA</translation>
    </message>
    <message>
        <source>The CSV files start with a row of column names.</source>
        <translation>Los archivos CSV empiezan con una fila de nombres de columna.</translation>
    </message>
    <message>
        <source>The pattern of CSV dates, such as dd/MM/yyyy (default: recognised by itself).</source>
        <translation>El patrón de las fechas CSV, como dd/MM/yyyy (predeterminado: se reconoce automáticamente).</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMATO</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>Nothing to import: give --import FILE.</source>
        <translation>Nada que importar: indique --import ARCHIVO.</translation>
    </message>
    <message>
        <source>--csv-columns names date, payee, amount, memo, category or - in order, each once; date, payee and amount are needed.</source>
        <translation>--csv-columns nombra date, payee, amount, memo, category o - en orden, cada uno una vez; date, payee y amount son obligatorios.</translation>
    </message>
    <message>
        <source>CSV files need --account NAME.</source>
        <translation>Los archivos CSV necesitan --account NOMBRE.</translation>
    </message>
    <message>
        <source>The database in %1 could not be opened.
</source>
        <translation>No se pudo abrir la base de datos en %1.
</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) not imported: they belong to no account here.</source>
        <translation>
            <numerusform>%n transacción no importada: no pertenece a ninguna cuenta de aquí.</numerusform>
            <numerusform>%n transacciones no importadas: no pertenecen a ninguna cuenta de aquí.</numerusform>
        </translation>
    </message>
    <message>
        <source>No account is named &quot;%1&quot;; --create-accounts creates it.</source>
        <translation>Ninguna cuenta se llama «%1»; --create-accounts la crea.</translation>
    </message>
    <message>
        <source>Nothing was imported: no row could be read.</source>
        <translation>No se importó nada: no se pudo leer ninguna fila.</translation>
    </message>
    <message>
        <source>The ledger in %1 is read-only: nothing was imported.
</source>
        <translation>El libro contable de %1 es de solo lectura: no se importó nada.
</translation>
    </message>
    <message>
        <source>Import FILE: an OFX or QFX statement, a QIF file (.qif) or a comma-separated file. Repeat for several files; QIF files are imported together, so transfers between them are linked.</source>
        <translation>Importar ARCHIVO: un extracto OFX o QFX, un archivo QIF (.qif) o un archivo separado por comas. Repita para varios archivos; los archivos QIF se importan juntos, de modo que las transferencias entre ellos quedan enlazadas.</translation>
    </message>
    <message>
        <source>The CSV delimiter: comma, semicolon, tab or | (default: recognised from the first lines).</source>
        <translation>El delimitador CSV: comma, semicolon, tab o | (por defecto: se reconoce en las primeras líneas).</translation>
    </message>
    <message>
        <source>DELIMITER</source>
        <translation>DELIMITADOR</translation>
    </message>
    <message>
        <source>CSV amounts are written 1.234,56.</source>
        <translation>Los importes CSV se escriben 1.234,56.</translation>
    </message>
    <message>
        <source>The column of amounts paid out, counted from 1 (with --credit-column instead of an amount column).</source>
        <translation>La columna de cargos, contando desde 1 (con --credit-column en lugar de una columna de importe).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>The column of amounts paid in, counted from 1.</source>
        <translation>La columna de abonos, contando desde 1.</translation>
    </message>
    <message>
        <source>The column that says whether the amount is paid out or in, counted from 1 (with --out-value and --in-value).</source>
        <translation>La columna que indica si el importe es un cargo o un abono, contando desde 1 (con --out-value e --in-value).</translation>
    </message>
    <message>
        <source>The direction column&apos;s value for money paid out, such as Af or debit.</source>
        <translation>El valor de la columna de sentido para los cargos, p. ej. Af o debit.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>The direction column&apos;s value for money paid in, such as Bij or credit.</source>
        <translation>El valor de la columna de sentido para los abonos, p. ej. Bij o credit.</translation>
    </message>
    <message>
        <source>Turn the signs of CSV amounts round (card statements that list purchases as positive).</source>
        <translation>Invertir los signos de los importes CSV (extractos de tarjeta que listan las compras en positivo).</translation>
    </message>
    <message>
        <source>Lines to skip at the start of CSV files, before the table.</source>
        <translation>Líneas que omitir al principio de los archivos CSV, antes de la tabla.</translation>
    </message>
    <message>
        <source>Columns are counted from 1; --direction-column needs --out-value and --in-value; --delimiter is comma, semicolon, tab or |.</source>
        <translation>Las columnas se cuentan desde 1; --direction-column necesita --out-value e --in-value; --delimiter es comma, semicolon, tab o |.</translation>
    </message>
    <message>
        <source>Read CSV files by the account&apos;s profile of this name, as kept by the import window. Without it and without CSV options, the profile that fits the file is used.</source>
        <translation>Leer los archivos CSV con el perfil de este nombre de la cuenta, guardado por la ventana de importación. Sin esta opción ni opciones CSV se usa el perfil que encaja con el archivo.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; has no CSV profile named &quot;%2&quot;.</source>
        <translation>La cuenta «%1» no tiene ningún perfil CSV llamado «%2».</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>QIF</source>
        <translation>QIF</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Cuenta:</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Ningún archivo seleccionado</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Seleccionar archivo(s) QIF</translation>
    </message>
    <message>
        <source>QIF Files (*.qif);;All Files (*)</source>
        <translation>Archivos QIF (*.qif);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analizando archivo(s) QIF...</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n archivo seleccionado</numerusform>
            <numerusform>%n archivos seleccionados</numerusform>
        </translation>
    </message>
    <message>
        <source>The selected file(s) hold no transactions to import.</source>
        <translation>Los archivos seleccionados no contienen transacciones que importar.</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>No hay cuenta de destino</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Elija una cuenta en la que importar o cree una ahora.</translation>
    </message>
    <message>
        <source>The account could not be saved.</source>
        <translation>No se pudo guardar la cuenta.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Importación cancelada.</translation>
    </message>
    <message>
        <source>Nothing was imported: every change of this import was rolled back.</source>
        <translation>No se importó nada: se revirtieron todos los cambios de esta importación.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Error en la importación.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>¡Importación completada!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n transacción importada</numerusform>
            <numerusform>%n transacciones importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n transferencia enlazada entre cuentas</numerusform>
            <numerusform>%n transferencias enlazadas entre cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (incluida %n enlazada con filas importadas anteriormente)</numerusform>
            <numerusform>  (incluidas %n enlazadas con filas importadas anteriormente)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicado omitido</numerusform>
            <numerusform>%n duplicados omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n registro omitido (no se pudo interpretar)</numerusform>
            <numerusform>%n registros omitidos (no se pudieron interpretar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n registro de metadatos omitido</numerusform>
            <numerusform>%n registros de metadatos omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n registro omitido (cuenta de origen sin asignar)</numerusform>
            <numerusform>%n registros omitidos (cuenta de origen sin asignar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n registro omitido (error de base de datos — consulte el registro de eventos)</numerusform>
            <numerusform>%n registros omitidos (error de base de datos — consulte el registro de eventos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split(s) adjusted: their lines did not add up to the amount, so an &quot;Uncategorized&quot; line holds the difference</source>
        <translation>
            <numerusform>%n división ajustada: sus líneas no sumaban el importe, así que una línea «Sin categoría» recoge la diferencia</numerusform>
            <numerusform>%n divisiones ajustadas: sus líneas no sumaban el importe, así que una línea «Sin categoría» recoge la diferencia</numerusform>
        </translation>
    </message>
    <message>
        <source>OFX/QFX</source>
        <translation>OFX/QFX</translation>
    </message>
    <message>
        <source>Select OFX File</source>
        <translation>Seleccionar archivo OFX</translation>
    </message>
    <message>
        <source>OFX Files (*.ofx *.qfx);;All Files (*)</source>
        <translation>Archivos OFX (*.ofx *.qfx);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1: the bank&apos;s balance on %2 is %3; the register&apos;s is %4.</source>
        <translation>%1: el saldo del banco el %2 es %3; el del registro es %4.</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Conciliar...</translation>
    </message>
    <message>
        <source>%1 CSV</source>
        <translation>%1 CSV</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (sin encabezado de cuenta)</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Transacción importada</translation>
    </message>
    <message>
        <source>Uncategorized</source>
        <translation>Sin categoría</translation>
    </message>
    <message numerus="yes">
        <source>No row has the %n columns the mapping needs; is the delimiter right?</source>
        <translation>
            <numerusform>Ninguna fila tiene la %n columna que necesita la asignación; ¿es correcto el separador?</numerusform>
            <numerusform>Ninguna fila tiene las %n columnas que necesita la asignación; ¿es correcto el separador?</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>No se importó nada: %1.</translation>
    </message>
    <message>
        <source>Nothing was imported: the import could not be completed (%1).</source>
        <translation>No se importó nada: la importación no pudo completarse (%1).</translation>
    </message>
    <message>
        <source>Nothing was imported: the import was cancelled.</source>
        <translation>No se importó nada: la importación se canceló.</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, línea %2</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorro</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>%1 is not a complete OFX file (%2): nothing was imported.</source>
        <translation>%1 no es un archivo OFX completo (%2): no se importó nada.</translation>
    </message>
    <message>
        <source>%1, account %2</source>
        <translation>%1, cuenta %2</translation>
    </message>
    <message>
        <source>The statement of account %1 is in %2, but %3 is kept in %4: nothing of it was imported.</source>
        <translation>El extracto de la cuenta %1 está en %2, pero %3 se lleva en %4: no se importó nada de él.</translation>
    </message>
    <message>
        <source>The statement of account %1 is in %2, a currency this program does not keep: nothing of it was imported.</source>
        <translation>El extracto de la cuenta %1 está en %2, una moneda que este programa no lleva: no se importó nada de él.</translation>
    </message>
    <message numerus="yes">
        <source>the row has %n column(s), the mapping needs %1</source>
        <translation>
            <numerusform>la fila tiene %n columna, la asignación necesita %1</numerusform>
            <numerusform>la fila tiene %n columnas, la asignación necesita %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the date does not read</source>
        <translation>la fecha no se puede leer</translation>
    </message>
    <message>
        <source>the amount does not read</source>
        <translation>el importe no se puede leer</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nueva transacción</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nueva &amp;cuenta</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Cerrar &amp;sesión</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Cuenta</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renombrar &amp;beneficiarios...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Transacciones &amp;periódicas</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>&amp;Categorías</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Mellowind Ledgerine</source>
        <translation>&amp;Acerca de Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Novedades...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>&amp;Buscar actualizaciones...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Enviar &amp;comentarios...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Atajos de &amp;teclado</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Cargar datos de &amp;ejemplo</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>Bo&amp;rrar datos de ejemplo</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Gestionar su cuenta</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Iniciar sesión o registrarse</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nueva cuenta...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Editar «%1»...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renombrar beneficiarios...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Eliminar «%1»</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Guardar la transacción</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>Insertar una transacción nueva</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Eliminar la transacción actual</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Campo siguiente / anterior</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (apóstrofo)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Copiar el valor del campo de arriba</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>Campo de fecha</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Día siguiente / anterior</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Primer / último día del mes</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Primer / último día del año</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Primer / último día de la semana</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>Nueva transacción</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Conciliar la cuenta</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Buscar transacciones</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Transacciones periódicas</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation>Cambiar a la cuenta 1&amp;ndash;9</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Cambiar a la cuenta 10</translation>
    </message>
    <message>
        <source>About Mellowind Ledgerine</source>
        <translation>Acerca de Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Mellowind Ledgerine&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A check register for household finances that keeps its data on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Mellowind Ledgerine&lt;/h3&gt;&lt;p&gt;Versión %1&lt;/p&gt;&lt;p&gt;Un registro de cheques para las finanzas domésticas que guarda sus datos en este equipo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>&amp;Mellowind Account...</source>
        <translation>Cuenta &amp;Mellowind...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>C&amp;ompartir...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Compartir...</translation>
    </message>
    <message>
        <source>Import &amp;Backup...</source>
        <translation>Importar &amp;copia de seguridad...</translation>
    </message>
    <message>
        <source>Transaction details</source>
        <translation>Detalles de la transacción</translation>
    </message>
    <message>
        <source>Memorize as a recurring transaction</source>
        <translation>Memorizar como transacción periódica</translation>
    </message>
    <message>
        <source>Edit the current field</source>
        <translation>Editar el campo actual</translation>
    </message>
    <message>
        <source>Open the calendar</source>
        <translation>Abrir el calendario</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Mellowind Ledgerine</source>
        <translation>Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Sesión no iniciada</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Seleccione primero una cuenta</translation>
    </message>
    <message>
        <source>The account could not be saved</source>
        <translation>No se pudo guardar la cuenta</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>¿Eliminar «%1»?

Se eliminarán todas las transacciones, las transacciones periódicas y el historial de conciliaciones de esta cuenta. Puede restaurarla desde Preferencias → Datos y sincronización.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>The account could not be deleted</source>
        <translation>No se pudo eliminar la cuenta</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Conciliar — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones periódicas</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buscar transacciones</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Datos de ejemplo</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Los datos de ejemplo ya están cargados.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation>No se pudieron cargar los datos de ejemplo.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Datos de ejemplo cargados</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>No hay datos de ejemplo que borrar.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared.</source>
        <translation>No se pudieron borrar los datos de ejemplo.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Datos de ejemplo borrados</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Inicio de sesión necesario</translation>
    </message>
    <message>
        <source>Sharing requires a Mellowind account.</source>
        <translation>Para compartir se necesita una cuenta Mellowind.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine (damaged ledger)</source>
        <translation>Mellowind Ledgerine (libro contable dañado)</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine (read-only)</source>
        <translation>Mellowind Ledgerine (solo lectura)</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Error de base de datos</translation>
    </message>
    <message>
        <source>Import Backup...</source>
        <translation>Importar copia de seguridad...</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountDataPage</name>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Datos y privacidad</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Zona de peligro</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Elimine su cuenta de forma permanente. Pasados 30 días, no se podrá deshacer.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Es el propietario del grupo. Transfiera la propiedad o quite a todos los miembros antes de eliminar su cuenta.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Esto programará la eliminación permanente de su cuenta pasados 30 días.

Escriba DELETE para confirmar:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>No se pudo eliminar la cuenta.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Eliminación de la cuenta programada</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Su cuenta se eliminará de forma permanente dentro de 30 días. Puede recuperarla si inicia sesión antes de esa fecha.</translation>
    </message>
    <message>
        <source>Your account details could not be loaded.</source>
        <translation>No se pudieron cargar los datos de su cuenta.</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountDevicesPage</name>
    <message>
        <source>Registered Devices</source>
        <translation>Dispositivos registrados</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Dispositivos que se han sincronizado con su cuenta.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>No hay dispositivos registrados.</translation>
    </message>
    <message>
        <source>v%1</source>
        <translation>v%1</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Dispositivo desconocido</translation>
    </message>
    <message>
        <source>This device</source>
        <translation>Este dispositivo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Quitar dispositivo</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>¿Quitar %1?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Se ha quitado el dispositivo.</translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation>No se pudo quitar el dispositivo.</translation>
    </message>
    <message>
        <source>Your devices could not be loaded.</source>
        <translation>No se pudieron cargar sus dispositivos.</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountGroupPage</name>
    <message>
        <source>No Group</source>
        <translation>Sin grupo</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>No forma parte de ningún grupo. El propietario de un grupo puede invitarle, o puede unirse con un código de invitación.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Unirse con un código de invitación</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 de %2 plazas ocupadas</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Miembros</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Invitaciones pendientes</translation>
    </message>
    <message>
        <source>No pending invitations.</source>
        <translation>No hay invitaciones pendientes.</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Invitar a miembros</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Invitar por correo electrónico</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Generar código de invitación</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Salir del grupo</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Código de invitación: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revocar</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Unirse a un grupo</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Introduzca el código de invitación:</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Se ha unido al grupo.</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Código de invitación no válido o caducado.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Quitar miembro</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>¿Quitar a %1 del grupo?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>Se ha quitado a %1.</translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation>No se pudo quitar a %1.</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Invitación revocada.</translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation>No se pudo revocar la invitación.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>Dirección de correo electrónico:</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Invitación enviada.</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>No se pudo enviar la invitación.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>No se pudo generar el código.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Código de invitación</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Comparta este código con la persona a la que quiere invitar:

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>¿Salir de este grupo? Perderá el acceso a los datos compartidos.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Ha salido del grupo.</translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation>No se pudo salir del grupo.</translation>
    </message>
    <message>
        <source>Your group could not be loaded.</source>
        <translation>No se pudo cargar su grupo.</translation>
    </message>
    <message>
        <source>Start a Household</source>
        <translation>Crear un hogar</translation>
    </message>
    <message>
        <source>Share accounts with the people you live with. Your household is created with the first invitation, and you are its owner.</source>
        <translation>Comparte cuentas con las personas con las que vives. Tu hogar se crea con la primera invitación y tú eres su propietario.</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountProfilePage</name>
    <message>
        <source>Personal Information</source>
        <translation>Información personal</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Nombre visible:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Correo electrónico:</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Editar nombre visible</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(sin definir)</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Nombre visible actualizado.</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>No se pudo actualizar el perfil.</translation>
    </message>
    <message>
        <source>Your profile could not be loaded.</source>
        <translation>No se pudo cargar su perfil.</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountScreen</name>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Activa ahora</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>hace %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>hace %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>hace %1 d</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Datos y privacidad</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountSecurityPage</name>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Cambie la contraseña de su cuenta.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Sesiones activas</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sesiones iniciadas actualmente en su cuenta.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Contraseña actual:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Nueva contraseña (mín. 8 caracteres):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>La contraseña debe tener al menos 8 caracteres.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Confirmar la nueva contraseña:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Contraseña cambiada.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>No se pudo cambiar la contraseña.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>No hay sesiones activas.</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Cliente desconocido</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Esta sesión</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revocar</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Sesión revocada.</translation>
    </message>
    <message>
        <source>Failed to revoke session.</source>
        <translation>No se pudo revocar la sesión.</translation>
    </message>
    <message>
        <source>Your sessions could not be loaded.</source>
        <translation>No se pudieron cargar sus sesiones.</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>No se pudo compartir la cuenta (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>MellAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>No se pudo iniciar el servidor de autenticación local</translation>
    </message>
    <message>
        <source>Sign-in timed out</source>
        <translation>Se agotó el tiempo de espera del inicio de sesión</translation>
    </message>
    <message>
        <source>The web browser could not be opened</source>
        <translation>No se pudo abrir el navegador web</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>No se recibió ningún token</translation>
    </message>
    <message>
        <source>the answer did not come from this sign-in.</source>
        <translation>la respuesta no procede de este inicio de sesión.</translation>
    </message>
</context>
<context>
    <name>MellAccount::Client</name>
    <message>
        <source>No sync server is set. Enter its address in Edit › Preferences › Data &amp; Sync › Sync server, or set AUTH_BASE_URL, ACCOUNT_API_URL and SYNC_API_URL in the environment.</source>
        <translation>No hay ningún servidor de sincronización configurado. Escriba su dirección en Editar › Preferencias › Datos y sincronización › Servidor de sincronización, o defina AUTH_BASE_URL, ACCOUNT_API_URL y SYNC_API_URL en el entorno.</translation>
    </message>
</context>
<context>
    <name>MellAccount::ServerDiscovery</name>
    <message>
        <source>This is not a web address.</source>
        <translation>Esto no es una dirección web.</translation>
    </message>
    <message>
        <source>Plain http is only for a server on this computer; use https.</source>
        <translation>http sin cifrar solo sirve para un servidor en este equipo; use https.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>El servidor respondió con el estado HTTP %1.</translation>
    </message>
    <message>
        <source>Nothing answered at this address.</source>
        <translation>Nada respondió en esta dirección.</translation>
    </message>
    <message>
        <source>The answer does not come from a Mellowind Ledgerine sync server.</source>
        <translation>La respuesta no procede de un servidor de sincronización de Mellowind Ledgerine.</translation>
    </message>
</context>
<context>
    <name>MellAccount::ShareMembersDialog</name>
    <message>
        <source>Share Account</source>
        <translation>Compartir cuenta</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Compartir: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Mellowind family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Comparta esta cuenta con los miembros de su grupo familiar de Mellowind. Verán el mismo registro, los mismos saldos y el mismo historial de conciliaciones en sus dispositivos.</translation>
    </message>
    <message>
        <source>People with access</source>
        <translation>Personas con acceso</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Añadir personas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>This account has not been synchronised yet. Sync it once, then share it.</source>
        <translation>Esta cuenta aún no se ha sincronizado. Sincronícela una vez y luego compártala.</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Aún no se ha compartido con nadie.</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Quitar acceso</translation>
    </message>
    <message>
        <source>You&apos;re not in a group yet. Invite people from the Group page of your Mellowind account.</source>
        <translation>Aún no está en ningún grupo. Invite a personas desde la página Grupo de su cuenta Mellowind.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Todos los miembros del grupo ya tienen acceso</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>No se pudo compartir con %1.</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>¿Quitar el acceso?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 dejará de tener acceso. ¿Continuar?</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>No se pudo quitar a %1.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>Only the owner of this account can give others access.</source>
        <translation>Solo el propietario de esta cuenta puede dar acceso a otras personas.</translation>
    </message>
</context>
<context>
    <name>MellAccount::WebAuthHandler</name>
    <message>
        <source>Request too long</source>
        <translation>Solicitud demasiado larga</translation>
    </message>
    <message>
        <source>Bad request</source>
        <translation>Solicitud incorrecta</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>No permitido</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>Finishing sign-in...</source>
        <translation>Finalizando el inicio de sesión...</translation>
    </message>
    <message>
        <source>Turn on JavaScript for this page to finish signing in.</source>
        <translation>Active JavaScript en esta página para finalizar el inicio de sesión.</translation>
    </message>
    <message>
        <source>You&apos;re signed in</source>
        <translation>Ha iniciado sesión</translation>
    </message>
    <message>
        <source>You can close this tab and return to Mellowind Ledgerine.</source>
        <translation>Puede cerrar esta pestaña y volver a Mellowind Ledgerine.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Error al iniciar sesión</translation>
    </message>
    <message>
        <source>Return to Mellowind Ledgerine to try again.</source>
        <translation>Vuelva a Mellowind Ledgerine para intentarlo de nuevo.</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine</source>
        <translation>Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>You can close this tab.</source>
        <translation>Puede cerrar esta pestaña.</translation>
    </message>
</context>
<context>
    <name>MellUpdate::UpdateCommands</name>
    <message>
        <source>This build has no update server configured</source>
        <translation>Esta compilación no tiene ningún servidor de actualizaciones configurado</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 está actualizado (versión %2)</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando las notas de la versión…</translation>
    </message>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>No hay notas de la versión disponibles para %1 %2</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection to the internet and try again.</source>
        <translation>No se pudo contactar con el servidor de actualizaciones. Compruebe la conexión a internet e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read. Try again later.</source>
        <translation>No se pudo leer la respuesta del servidor de actualizaciones. Inténtelo más tarde.</translation>
    </message>
    <message>
        <source>The latest version cannot be installed over version %1. Install version %2 first.</source>
        <translation>La versión más reciente no se puede instalar sobre la versión %1. Instale primero la versión %2.</translation>
    </message>
    <message>
        <source>This build&apos;s update server address is not valid.</source>
        <translation>La dirección del servidor de actualizaciones de esta compilación no es válida.</translation>
    </message>
</context>
<context>
    <name>MellUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Hay una nueva versión de %1 disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Tiene la versión %1. La versión más reciente es la %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando las notas de la versión…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Las notas de la versión no están disponibles para esta versión.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
</context>
<context>
    <name>MellUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Está usando la versión %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Descargar %1</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>Amounts are limited to %1</source>
        <translation>Los importes están limitados a %1</translation>
    </message>
    <message>
        <source>Yen amounts have no decimals</source>
        <translation>Los importes en yenes no tienen decimales</translation>
    </message>
</context>
<context>
    <name>NoAccountsPage</name>
    <message>
        <source>Welcome to Mellowind Ledgerine</source>
        <translation>Bienvenido a Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Cree su primera cuenta para empezar.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Crear cuenta</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Transacciones</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Renombrar seleccionados</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Fusionar seleccionados</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Nuevo nombre:</translation>
    </message>
    <message>
        <source>Similar</source>
        <translation>Similar</translation>
    </message>
    <message>
        <source>Differs only in case or spaces from: %1</source>
        <translation>Solo difiere en mayúsculas o espacios de: %1</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Error al fusionar</translation>
    </message>
    <message>
        <source>The payees could not be merged; nothing was changed.</source>
        <translation>No se pudieron fusionar los beneficiarios; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Error al renombrar</translation>
    </message>
    <message>
        <source>The payees could not be renamed; nothing was changed.</source>
        <translation>No se pudieron renombrar los beneficiarios; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Fusión completada</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Se cambió el beneficiario de %n transacción.</numerusform>
            <numerusform>Se cambió el beneficiario de %n transacciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Cambio de nombre completado</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Se renombró el beneficiario de %n transacción.</numerusform>
            <numerusform>Se renombró el beneficiario de %n transacciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionar</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Seleccione 2 o más beneficiarios para fusionarlos.</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>¿Fusionar %1 beneficiarios en «%2»?</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Fusionar beneficiarios</translation>
    </message>
</context>
<context>
    <name>QifMappingPanel</name>
    <message>
        <source>QIF source accounts:</source>
        <translation>Cuentas de origen QIF:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Elija dónde importar cada cuenta de los archivos QIF. Las transferencias entre las cuentas asignadas en los archivos seleccionados se enlazarán automáticamente.</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Crear la cuenta nueva «%1» —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Omitir estas transacciones —</translation>
    </message>
    <message>
        <source>Statements:</source>
        <translation>Extractos:</translation>
    </message>
    <message>
        <source>Choose the account each statement goes to. The next statement of the same bank account goes there by itself.</source>
        <translation>Elija la cuenta de cada extracto. El siguiente extracto de la misma cuenta bancaria irá allí por sí solo.</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Conciliaciones anteriores de esta cuenta.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Fecha del extracto</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Saldo conciliado</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completada</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Todavía no hay conciliaciones. Concilie su cuenta desde el registro para ver aquí el historial.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historial de conciliaciones — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp.</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Conciliar cuenta</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Fecha del extracto:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Saldo del extracto:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Saldo anterior</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Depósitos compensados</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Retiros compensados</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Saldo compensado</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Finalizar conciliación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Añadir transacción</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Añadir una transacción (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Editar la transacción seleccionada (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Eliminar la transacción seleccionada (Supr)</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Conciliación completada</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>La cuenta se ha conciliado correctamente.</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved.</source>
        <translation>No se pudo guardar la conciliación.</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>¿Eliminar la transacción de %1?</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>No se pudo eliminar la transacción.</translation>
    </message>
</context>
<context>
    <name>RecordRules</name>
    <message>
        <source>The date is not a valid date.</source>
        <translation>La fecha no es una fecha válida.</translation>
    </message>
    <message>
        <source>The date %1 is not between the years 1900 and 2100.</source>
        <translation>La fecha %1 no está entre los años 1900 y 2100.</translation>
    </message>
    <message>
        <source>The payee is longer than %1 characters.</source>
        <translation>El beneficiario tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The memo is longer than %1 characters.</source>
        <translation>La nota tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The category name is longer than %1 characters.</source>
        <translation>El nombre de la categoría tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The check number is longer than %1 characters.</source>
        <translation>El número de cheque tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The split has %1 lines; a transaction has at most %2.</source>
        <translation>La división tiene %1 líneas; una transacción tiene como máximo %2.</translation>
    </message>
</context>
<context>
    <name>RecurringAutoPoster</name>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>Se registró automáticamente %n transacción periódica</numerusform>
            <numerusform>Se registraron automáticamente %n transacciones periódicas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Cada dos semanas</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestral</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestral</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nueva transacción periódica</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Editar transacción periódica</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Memorizar transacción</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Empiece a escribir para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Tiene fecha de fin</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Registrar automáticamente al vencer</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Fecha de inicio:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Fecha de fin:</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactiva</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Próximo vencimiento</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones periódicas</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmar todas las pendientes</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nueva transacción periódica</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(pendientes: %1)</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>No se pudo guardar la transacción periódica.</translation>
    </message>
    <message>
        <source>Its next due date is not a valid date, so it has been made inactive. Edit its start date to use it again.</source>
        <translation>Su próxima fecha de vencimiento no es una fecha válida, así que se ha desactivado. Edite su fecha de inicio para volver a usarla.</translation>
    </message>
    <message>
        <source>The transaction for this date is already in the register. Skip it to move on to the next date.</source>
        <translation>La transacción de esta fecha ya está en el registro. Omítala para pasar a la fecha siguiente.</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency.</source>
        <translation>Las transferencias requieren que ambas cuentas usen la misma moneda.</translation>
    </message>
    <message>
        <source>The account it transfers to no longer exists.</source>
        <translation>La cuenta a la que transfiere ya no existe.</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>No se pudo guardar la transacción.</translation>
    </message>
    <message>
        <source>Not Posted</source>
        <translation>No registrada</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not posted.

%2</source>
        <translation>«%1» no se registró.

%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>¿Eliminar la transacción periódica «%1»?</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmar</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>No recurring transactions were posted: %1.</source>
        <translation>No se registró ninguna transacción periódica: %1.</translation>
    </message>
</context>
<context>
    <name>RegisterColumnLayout</name>
    <message>
        <source>Show columns</source>
        <translation>Mostrar columnas</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Restablecer el diseño del registro</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Núm.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Beneficiario / Nota</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Desglose—</translation>
    </message>
    <message>
        <source>C</source>
        <comment>Clr mark of a cleared transaction</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>R</source>
        <comment>Clr mark of a reconciled transaction</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>Changed on this computer and on another one. Right-click to choose which version to keep.</source>
        <translation>Cambiado en este equipo y en otro. Haga clic con el botón derecho para elegir qué versión conservar.</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>The transaction could not be saved</source>
        <translation>No se pudo guardar la transacción</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  &apos;: copy above</source>
        <translation>%1: guardar  |  Intro: siguiente  |  %2: eliminar  |  &apos;: copiar de arriba</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: guardar  |  Intro: siguiente  |  %2: eliminar  |  %3: memorizar  |  &apos;: copiar de arriba</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Conciliar</translation>
    </message>
    <message>
        <source>The database could not be read; the register is left empty.</source>
        <translation>No se pudo leer la base de datos; el registro queda vacío.</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Campos borrados</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insertar nueva</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nueva transacción...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Mostrar &amp;detalles...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Editar des&amp;glose...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>Editar en &amp;ventana...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>&amp;Marcar como no compensada</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marcar como &amp;compensada</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>El beneficiario es obligatorio</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Introduzca un importe de pago o de depósito</translation>
    </message>
    <message>
        <source>%1 is not an amount</source>
        <translation>%1 no es un importe</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>Introduzca una fecha válida</translation>
    </message>
    <message>
        <source>No category named &quot;%1&quot;</source>
        <translation>No hay ninguna categoría llamada «%1»</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>No se encontró la cuenta de la transferencia</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Las transferencias requieren que ambas cuentas usen la misma moneda</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>¿Eliminar «%1» por %2?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>¿Eliminar la transferencia «%1» por %2?

Se eliminarán los dos lados de la transferencia.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>No se puede memorizar: la transacción de origen tiene una fecha no válida</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Transacción memorizada como periódica</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>No se pudo guardar la transacción periódica</translation>
    </message>
    <message>
        <source>Reconciled Transaction</source>
        <translation>Transacción conciliada</translation>
    </message>
    <message>
        <source>This transaction is reconciled. Change it anyway?</source>
        <translation>Esta transacción está conciliada. ¿Cambiarla de todos modos?</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>Transacción sin guardar</translation>
    </message>
    <message>
        <source>Save the transaction you are entering?</source>
        <translation>¿Guardar la transacción que está introduciendo?</translation>
    </message>
    <message>
        <source>Resolve Sync &amp;Conflict...</source>
        <translation>Resolver &amp;conflicto de sincronización...</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Sin categoría</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Recuento</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Periodo 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Periodo 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensado</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No compensado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Gastos por categoría</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Resumen por beneficiario</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Informe fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Ingresos frente a gastos</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flujo de caja</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Interanual</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Resumen de cuentas</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Transacciones</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mes pasado</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Este trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre pasado</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Año pasado</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Últimos 90 días</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Desde el inicio</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Show Chart</source>
        <translation>Mostrar gráfico</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Periodo:</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Este año frente al año pasado</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Año pasado frente al anterior</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Este trimestre frente al trimestre pasado</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparar:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>All %1 accounts</source>
        <translation>Todas las cuentas en %1</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Todas las categorías</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>P1: %1 – %2    P2: %3 – %4</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorro</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Desglose—</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Error al exportar</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>No se pudo escribir en:
%1</translation>
    </message>
    <message>
        <source>Show More</source>
        <translation>Mostrar más</translation>
    </message>
    <message>
        <source>Rows: %1 of %2 · Total: %3</source>
        <translation>Filas: %1 de %2 · Total: %3</translation>
    </message>
    <message>
        <source>Rows: %1 · Total: %2</source>
        <translation>Filas: %1 · Total: %2</translation>
    </message>
</context>
<context>
    <name>RestoreFlow</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importar copia de seguridad</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Archivos ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error al importar</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>Restoring the backup...</source>
        <translation>Restaurando la copia de seguridad...</translation>
    </message>
    <message>
        <source>Finishing the restore...</source>
        <translation>Terminando la restauración...</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importación completada</translation>
    </message>
    <message>
        <source>Import Cancelled</source>
        <translation>Importación cancelada</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>Se importaron %1 elementos y se omitieron %2.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

Se produjo %n error.</numerusform>
            <numerusform>

Se produjeron %n errores.</numerusform>
        </translation>
    </message>
    <message>
        <source>The restore was cancelled; nothing was changed.</source>
        <translation>Se canceló la restauración; no se cambió nada.</translation>
    </message>
    <message>
        <source>

Your data as it was before the import is saved in:
%1</source>
        <translation>

Sus datos tal como estaban antes de la importación se guardaron en:
%1</translation>
    </message>
    <message>
        <source>Making a new ledger from the backup...</source>
        <translation>Creando un libro contable nuevo a partir de la copia de seguridad...</translation>
    </message>
    <message>
        <source>No new ledger was made, and the damaged file is as it was.

%1</source>
        <translation>No se creó ningún libro contable nuevo y el archivo dañado sigue como estaba.

%1</translation>
    </message>
    <message>
        <source>A new ledger was made from the backup: %1 items.

The damaged file was kept as:
%2</source>
        <translation>Se creó un libro contable nuevo a partir de la copia de seguridad: %1 elementos.

El archivo dañado se conservó como:
%2</translation>
    </message>
</context>
<context>
    <name>RestoreModeDialog</name>
    <message>
        <source>Import Mode</source>
        <translation>Modo de importación</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>¿Qué hacer con los datos existentes?</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Reemplazar todo con los datos de la copia</translation>
    </message>
    <message>
        <source>Every item in the backup overwrites the same item here, and items deleted since the backup come back. Items that are not in the backup are kept.</source>
        <translation>Cada elemento de la copia sobrescribe el mismo elemento de aquí, y los elementos eliminados desde la copia vuelven. Los elementos que no están en la copia se conservan.</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Conservar lo más reciente (comparar marcas de tiempo)</translation>
    </message>
    <message>
        <source>An item in the backup overwrites the same item here only when it was changed later. Items deleted here stay deleted.</source>
        <translation>Un elemento de la copia sobrescribe el mismo elemento de aquí solo si se modificó después. Los elementos eliminados aquí siguen eliminados.</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Omitir los elementos existentes</translation>
    </message>
    <message>
        <source>Only items that are not here at all are added; nothing here changes, and items deleted here stay deleted.</source>
        <translation>Solo se añaden los elementos que no existen aquí; nada de lo que hay aquí cambia y los elementos eliminados aquí siguen eliminados.</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Cuenta principal</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Cooperativa de crédito Riverbend</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Cuenta de ahorro</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa Rewards</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>Banco Summit</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Buscar beneficiario, nota, número de cheque...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Intervalo de fechas:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Solo compensadas</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Todas las categorías</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Sin coincidencias</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Datos y sincronización</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Control how Mellowind Ledgerine looks.</source>
        <translation>Controle el aspecto de Mellowind Ledgerine.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Theme:</source>
        <translation>Tema:</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Muy grande</translation>
    </message>
    <message>
        <source>Font size:</source>
        <translation>Tamaño de letra:</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Configuración regional</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Preferencias de fecha y calendario.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Week starts on:</source>
        <translation>La semana empieza el:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Cómo se muestran las transacciones en el registro.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Filas de dos líneas</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Mostrar la nota en una segunda línea debajo del beneficiario.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Ordenación</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Controle el orden de las transacciones en el registro.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Mostrar primero las transacciones más recientes</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si se activa, las transacciones más recientes aparecen arriba.</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine</source>
        <translation>Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A check register for household finances: accounts, categories, reconciliation, recurring transactions and reports, kept in one file on your computer.</source>
        <translation>Un registro de cheques para las finanzas domésticas: cuentas, categorías, conciliación, transacciones periódicas e informes, guardados en un único archivo en su equipo.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Help and support</source>
        <translation>Ayuda y soporte</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Política de privacidad</translation>
    </message>
    <message>
        <source>© Mellowind. All rights reserved.</source>
        <translation>© Mellowind. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Idioma cambiado</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Mellowind Ledgerine.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que inicie Mellowind Ledgerine.</translation>
    </message>
    <message>
        <source>Language default (%1)</source>
        <translation>El del idioma (%1)</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Formato de fecha:</translation>
    </message>
</context>
<context>
    <name>SignInActions</name>
    <message>
        <source>Signed in successfully</source>
        <translation>Sesión iniciada correctamente</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Error al iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Waiting for you to sign in with your web browser...</source>
        <translation>Esperando a que inicie sesión con su navegador web...</translation>
    </message>
    <message>
        <source>Signed out</source>
        <translation>Sesión cerrada</translation>
    </message>
    <message>
        <source>Mellowind Account</source>
        <translation>Cuenta Mellowind</translation>
    </message>
    <message>
        <source>The system keyring did not answer in time: you are signed out for now.</source>
        <translation>El llavero del sistema no respondió a tiempo: por ahora no ha iniciado sesión.</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir calendario (F4)</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Desglosar transacción</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Añadir línea</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Quitar</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Restante: %1</translation>
    </message>
    <message>
        <source>Line %1 has an amount but no category.

Choose a category from the list for every line with an amount.</source>
        <translation>La línea %1 tiene un importe pero no una categoría.

Elija una categoría de la lista para cada línea con importe.</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n cuenta</numerusform>
            <numerusform>%n cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n periódica pendiente</numerusform>
            <numerusform>  •  %n periódicas pendientes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sync conflict(s)</source>
        <translation>
            <numerusform>%n conflicto de sincronización</numerusform>
            <numerusform>%n conflictos de sincronización</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries changed on this computer and on another one. Click to choose which version to keep.</source>
        <translation>Entradas cambiadas en este equipo y en otro. Haga clic para elegir qué versión conservar.</translation>
    </message>
</context>
<context>
    <name>StoreBanner</name>
    <message>
        <source>Import Backup...</source>
        <translation>Importar copia de seguridad...</translation>
    </message>
    <message>
        <source>This ledger file is read-only: you can look at it, but not change it. To make changes, allow writing to %1 and start Mellowind Ledgerine again.</source>
        <translation>Este archivo del libro contable es de solo lectura: puede consultarlo, pero no modificarlo. Para hacer cambios, permita la escritura en %1 y vuelva a iniciar Mellowind Ledgerine.</translation>
    </message>
</context>
<context>
    <name>StoreError</name>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>another program is writing to the ledger file</source>
        <translation>otro programa está escribiendo en el archivo del libro</translation>
    </message>
    <message>
        <source>the ledger file cannot be written</source>
        <translation>no se puede escribir en el archivo del libro</translation>
    </message>
    <message>
        <source>the ledger file is damaged</source>
        <translation>el archivo del libro está dañado</translation>
    </message>
    <message>
        <source>the disk could not be written</source>
        <translation>no se pudo escribir en el disco</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>the database refused a change</source>
        <translation>la base de datos rechazó un cambio</translation>
    </message>
    <message>
        <source>the database refused a change (%1)</source>
        <translation>la base de datos rechazó un cambio (%1)</translation>
    </message>
</context>
<context>
    <name>SyncConflictsDialog</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Account type</source>
        <translation>Tipo de cuenta</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Institución</translation>
    </message>
    <message>
        <source>Account number</source>
        <translation>Número de cuenta</translation>
    </message>
    <message>
        <source>Starting balance</source>
        <translation>Saldo inicial</translation>
    </message>
    <message>
        <source>Category type</source>
        <translation>Tipo de categoría</translation>
    </message>
    <message>
        <source>Parent category</source>
        <translation>Categoría principal</translation>
    </message>
    <message>
        <source>Tax relevant</source>
        <translation>Relevante para impuestos</translation>
    </message>
    <message>
        <source>Tax category</source>
        <translation>Categoría fiscal</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Splits</source>
        <translation>Divisiones</translation>
    </message>
    <message>
        <source>Check number</source>
        <translation>Número de cheque</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensado</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Conciliada</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Fecha de inicio</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Fecha de fin</translation>
    </message>
    <message>
        <source>Next due date</source>
        <translation>Próximo vencimiento</translation>
    </message>
    <message>
        <source>Post automatically</source>
        <translation>Registrar automáticamente</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Statement date</source>
        <translation>Fecha del extracto</translation>
    </message>
    <message>
        <source>Statement balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Reconciled balance</source>
        <translation>Saldo conciliado</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Transfer account</source>
        <translation>Cuenta de transferencia</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Eliminado</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>Conservar la mía</translation>
    </message>
    <message>
        <source>Use the other computer&apos;s</source>
        <translation>Usar la del otro equipo</translation>
    </message>
    <message>
        <source>Sync Conflicts</source>
        <translation>Conflictos de sincronización</translation>
    </message>
    <message>
        <source>These entries were changed on this computer and on another one before either saw the other&apos;s change. Choose which version to keep; the other computers then follow.</source>
        <translation>Estas entradas se cambiaron en este equipo y en otro antes de que uno viera el cambio del otro. Elija qué versión conservar; los demás equipos la adoptarán.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Este equipo</translation>
    </message>
    <message>
        <source>Other computer</source>
        <translation>Otro equipo</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Cuenta: %1</translation>
    </message>
    <message>
        <source>Category: %1</source>
        <translation>Categoría: %1</translation>
    </message>
    <message>
        <source>Recurring transaction: %1</source>
        <translation>Transacción periódica: %1</translation>
    </message>
    <message>
        <source>Transaction: %1, %2</source>
        <translation>Transacción: %1, %2</translation>
    </message>
    <message>
        <source>Reconciliation of %1</source>
        <translation>Conciliación del %1</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No conflicts left.</source>
        <translation>No quedan conflictos.</translation>
    </message>
    <message>
        <source>The other computer&apos;s version has not arrived yet. Using it fetches it from the server.</source>
        <translation>La versión del otro equipo aún no ha llegado. Al usarla, se obtiene del servidor.</translation>
    </message>
    <message>
        <source>(not received yet)</source>
        <translation>(aún no recibida)</translation>
    </message>
    <message>
        <source>Import profile: %1</source>
        <translation>Perfil de importación: %1</translation>
    </message>
</context>
<context>
    <name>SyncControlsWidget</name>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar ahora</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forzar sincronización completa</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Última sincronización: %1</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nunca sincronizado</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Error: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Esto volverá a subir todas las filas locales al servidor y a descargar todos los datos del servidor. Úselo si los datos parecen no estar sincronizados entre dispositivos.

¿Continuar?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Sincronizado</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Error de sincronización</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Could not prepare the data for the new account</source>
        <translation>No se pudieron preparar los datos para la nueva cuenta</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Error al enviar (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Error al recibir (HTTP %1)</translation>
    </message>
    <message>
        <source>Could not store the pulled changes</source>
        <translation>No se pudieron guardar los cambios recibidos</translation>
    </message>
    <message>
        <source>The server did not move on from its position in the change stream</source>
        <translation>El servidor no avanzó desde su posición en el flujo de cambios</translation>
    </message>
    <message>
        <source>Sync paused</source>
        <translation>Sincronización en pausa</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) not accepted</source>
        <translation>
            <numerusform>%n registro no aceptado</numerusform>
            <numerusform>%n registros no aceptados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncFeedback</name>
    <message>
        <source>Sync complete</source>
        <translation>Sincronización completada</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Error de sincronización: %1</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>The data on this computer was last synchronised with another Mellowind account or sync server.

Upload this computer&apos;s data to the account you are signed in to now?</source>
        <translation>Los datos de este equipo se sincronizaron por última vez con otra cuenta Mellowind u otro servidor de sincronización.

¿Subir los datos de este equipo a la cuenta con la que ha iniciado sesión ahora?</translation>
    </message>
    <message>
        <source>Your access to %1 ended; your last change there was not sent.</source>
        <translation>Su acceso a %1 ha terminado; su último cambio allí no se envió.</translation>
    </message>
</context>
<context>
    <name>SyncServerSection</name>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Sync server</source>
        <translation>Servidor de sincronización</translation>
    </message>
    <message>
        <source>The server this computer signs in to and syncs with.</source>
        <translation>El servidor en el que este equipo inicia sesión y con el que se sincroniza.</translation>
    </message>
    <message>
        <source>https://ledger.example.org</source>
        <translation>https://ledger.example.org</translation>
    </message>
    <message>
        <source>Sync server at %1, version %2.
Sign-in: %3
Sync: %4</source>
        <translation>Servidor de sincronización en %1, versión %2.
Inicio de sesión: %3
Sincronización: %4</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>The environment names the cloud services (AUTH_BASE_URL, ACCOUNT_API_URL, SYNC_API_URL); they are used instead of this address.</source>
        <translation>El entorno indica los servicios en la nube (AUTH_BASE_URL, ACCOUNT_API_URL, SYNC_API_URL); se usan en lugar de esta dirección.</translation>
    </message>
    <message>
        <source>No sync server is set.</source>
        <translation>No hay ningún servidor de sincronización configurado.</translation>
    </message>
    <message>
        <source>Sign out to change the sync server.</source>
        <translation>Cierre la sesión para cambiar el servidor de sincronización.</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>Consultando %1...</translation>
    </message>
    <message>
        <source>No sync server found at %1: %2</source>
        <translation>No se encontró ningún servidor de sincronización en %1: %2</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Detalles de la transacción</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Desglose—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N.º de cheque:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Transferencia a:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Introducida: %1</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Última modificación: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Eliminar...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Líneas del desglose</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(no hay líneas de desglose registradas)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(sin categoría)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Conciliada</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensada</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No compensada</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Marcar como no compensada</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Marcar como compensada</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more line(s)</source>
        <translation>
            <numerusform>… y %n línea más</numerusform>
            <numerusform>… y %n líneas más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Nueva transacción</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar transacción</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Empiece a escribir para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Desglosar esta transacción entre varias categorías, cada una con su propio importe y nota.</translation>
    </message>
    <message>
        <source>Clear split</source>
        <translation>Quitar desglose</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Quitar el desglose y volver a una transacción de una sola categoría.</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensada</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N.º de cheque:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Desglose—</translation>
    </message>
    <message>
        <source>Edit splits...</source>
        <translation>Editar desglose...</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Desglosar...</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>El beneficiario es obligatorio</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>No se encontró la cuenta de la transferencia</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Las transferencias requieren que ambas cuentas usen la misma moneda</translation>
    </message>
    <message>
        <source>The split lines add up to %1, not to the amount of %2: a difference of %3.</source>
        <translation>Las líneas de la división suman %1, no el importe de %2: una diferencia de %3.</translation>
    </message>
    <message>
        <source>Put the difference on an &quot;Uncategorized&quot; line?</source>
        <translation>¿Poner la diferencia en una línea «Sin categoría»?</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Su sesión ha terminado. Vuelva a iniciar sesión para seguir sincronizando.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Funciona totalmente sin conexión. Sus datos permanecen en este dispositivo.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Cómo funciona</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Añada una cuenta (corriente, de ahorro, tarjeta de crédito o cualquier otra cuenta que quiera seguir).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Registre las transacciones a medida que gasta.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Concilie cuando llegue su extracto.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Bienvenido de nuevo</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Inicie sesión para mantener sus datos sincronizados entre dispositivos.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Crear otra cuenta</translation>
    </message>
    <message>
        <source>Welcome to
Mellowind Ledgerine</source>
        <translation>Bienvenido a
Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>A digital check register.</source>
        <translation>Un registro de cheques digital.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>¿Ya tiene una cuenta? Iniciar sesión</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Crear su primera cuenta</translation>
    </message>
</context>
</TS>
