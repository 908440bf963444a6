<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
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
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Kontoname</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Name der Bank (optional)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Letzte 4 Ziffern (optional)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Währung:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>&amp;Anfangssaldo:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;Stand am:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Kreditinstitut:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Kontonu&amp;mmer:</translation>
    </message>
    <message>
        <source>The currency cannot change once the account holds amounts in it.</source>
        <translation>Die Währung kann nicht mehr geändert werden, sobald das Konto Beträge in dieser Währung enthält.</translation>
    </message>
</context>
<context>
    <name>AccountPageParts</name>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
</context>
<context>
    <name>AccountRowWidget</name>
    <message>
        <source>The balance cannot be computed from the stored transactions.</source>
        <translation>Der Saldo kann aus den gespeicherten Buchungen nicht berechnet werden.</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Shared with you</source>
        <translation>Mit Ihnen geteilt</translation>
    </message>
    <message>
        <source>Shared with you by %1</source>
        <translation>Von %1 mit Ihnen geteilt</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>No accounts</source>
        <translation>Keine Konten</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>This data was made by a newer version of Mellowind Ledgerine (data version %1). This version understands data up to version %2.</source>
        <translation>Diese Daten wurden von einer neueren Version von Mellowind Ledgerine erstellt (Datenversion %1). Diese Version kann Daten bis Version %2 verarbeiten.</translation>
    </message>
    <message>
        <source>Required tables are missing: %1.</source>
        <translation>Erforderliche Tabellen fehlen: %1.</translation>
    </message>
    <message>
        <source>The SQLite library of Qt&apos;s database driver differs from the one this program was built with (driver / program: %1).</source>
        <translation>Die SQLite-Bibliothek des Qt-Datenbanktreibers unterscheidet sich von der, mit der dieses Programm erstellt wurde (Treiber / Programm: %1).</translation>
    </message>
    <message>
        <source>Please check file permissions and try again.</source>
        <translation>Bitte prüfen Sie die Dateiberechtigungen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1</source>
        <translation>Die Datenbank konnte nicht initialisiert werden.

Datenverzeichnis: %1</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine is running with this data (%1); close it before importing.</source>
        <translation>Mellowind Ledgerine läuft bereits mit diesen Daten (%1); schließen Sie das Programm vor dem Import.</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine</source>
        <translation>Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine is already running with this data (%1).</source>
        <translation>Mellowind Ledgerine läuft bereits mit diesen Daten (%1).</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Datenbankfehler</translation>
    </message>
    <message>
        <source>The ledger file is read-only, and this version of Mellowind Ledgerine has to update it before it can open it. Allow writing to it and try again.</source>
        <translation>Die Kassenbuchdatei ist schreibgeschützt, und diese Version von Mellowind Ledgerine muss sie aktualisieren, bevor sie sie öffnen kann. Erlauben Sie das Schreiben und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The ledger file is damaged (%1). Restore a backup from File › Import Backup, or open it with an SQLite tool.</source>
        <translation>Die Kassenbuchdatei ist beschädigt (%1). Stellen Sie eine Sicherung über Datei › Sicherung importieren wieder her, oder öffnen Sie die Datei mit einem SQLite-Werkzeug.</translation>
    </message>
    <message>
        <source>Import Backup...</source>
        <translation>Sicherung importieren...</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP-Archiv konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The backup holds more than %1 entries.</source>
        <translation>Die Sicherung enthält mehr als %1 Einträge.</translation>
    </message>
    <message>
        <source>The backup unpacks to more than %1 bytes.</source>
        <translation>Die Sicherung ist entpackt größer als %1 Bytes.</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Ungültige Sicherung: manifest.json fehlt</translation>
    </message>
    <message>
        <source>The backup entry %1 is larger than the limit of %2 bytes.</source>
        <translation>Der Sicherungseintrag %1 überschreitet die Grenze von %2 Bytes.</translation>
    </message>
    <message>
        <source>Invalid backup: damaged manifest.json</source>
        <translation>Ungültige Sicherung: manifest.json ist beschädigt</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Nicht unterstützte Sicherungsversion: %1</translation>
    </message>
    <message>
        <source>unknown table</source>
        <translation>unbekannte Tabelle</translation>
    </message>
    <message>
        <source>%1: invalid value for %2</source>
        <translation>%1: ungültiger Wert für %2</translation>
    </message>
    <message>
        <source>%1: amount beyond the limit</source>
        <translation>%1: Betrag über dem Höchstbetrag</translation>
    </message>
    <message>
        <source>%1: not restored: %2</source>
        <translation>%1: nicht wiederhergestellt: %2</translation>
    </message>
    <message>
        <source>the backup entry %1 is larger than the limit of %2 bytes</source>
        <translation>der Sicherungseintrag %1 überschreitet die Grenze von %2 Bytes</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: ungültiges JSON</translation>
    </message>
    <message>
        <source>%1: members that are not columns were ignored: %2%3</source>
        <translation>%1: Felder, die keine Spalten sind, wurden ignoriert: %2%3</translation>
    </message>
    <message>
        <source>Nothing was restored: %1.</source>
        <translation>Es wurde nichts wiederhergestellt: %1.</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: abgelehnt: %2</translation>
    </message>
    <message>
        <source>The transaction is linked to itself as a transfer.</source>
        <translation>Die Buchung ist als Umbuchung mit sich selbst verknüpft.</translation>
    </message>
    <message>
        <source>The transaction is split but has no split lines.</source>
        <translation>Die Buchung ist aufgeteilt, hat aber keine Splitzeilen.</translation>
    </message>
    <message>
        <source>The member %1 holds control characters.</source>
        <translation>Das Feld %1 enthält Steuerzeichen.</translation>
    </message>
    <message>
        <source>The category is its own parent.</source>
        <translation>Die Kategorie ist ihre eigene Oberkategorie.</translation>
    </message>
    <message>
        <source>Its transaction was not restored.</source>
        <translation>Die zugehörige Buchung wurde nicht wiederhergestellt.</translation>
    </message>
    <message>
        <source>The backup unpacks to %1 bytes, more than %2 times the %3 bytes of the file: it is not a backup this program made.</source>
        <translation>Die Sicherung entpackt sich zu %1 Bytes, mehr als dem %2-Fachen der %3 Bytes der Datei: Sie stammt nicht von diesem Programm.</translation>
    </message>
    <message>
        <source>The backup unpacks to %1 bytes, more than the %2 bytes free on the disk that holds the ledger.</source>
        <translation>Die Sicherung entpackt sich zu %1 Bytes, mehr als die %2 Bytes, die auf dem Datenträger des Kassenbuchs frei sind.</translation>
    </message>
    <message>
        <source>the restore was cancelled</source>
        <translation>die Wiederherstellung wurde abgebrochen</translation>
    </message>
    <message>
        <source>%1: refused: the path leaves its folder</source>
        <translation>%1: abgelehnt: Der Pfad verlässt seinen Ordner</translation>
    </message>
    <message>
        <source>the data as it stands could not be saved to %1 first: %2</source>
        <translation>die Daten in ihrem jetzigen Stand konnten nicht zuerst in %1 gesichert werden: %2</translation>
    </message>
    <message>
        <source>The damaged file could not be moved aside.</source>
        <translation>Die beschädigte Datei konnte nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>The new ledger could not be put in place.</source>
        <translation>Das neue Kassenbuch konnte nicht an seinen Platz gelegt werden.</translation>
    </message>
    <message>
        <source>The ledger could not be opened for the restore: %1</source>
        <translation>Das Kassenbuch konnte für die Wiederherstellung nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Kategorien suchen...</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Neue Kategorie</translation>
    </message>
    <message>
        <source>The category could not be saved.</source>
        <translation>Die Kategorie konnte nicht gespeichert werden.</translation>
    </message>
    <message numerus="yes">
        <source>Delete &quot;%1&quot; and its %n sub-categories? Transactions using them will become uncategorized.</source>
        <translation>
            <numerusform>„%1“ und %n Unterkategorie löschen? Buchungen in diesen Kategorien sind danach nicht mehr kategorisiert.</numerusform>
            <numerusform>„%1“ und %n Unterkategorien löschen? Buchungen in diesen Kategorien sind danach nicht mehr kategorisiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>„%1“ löschen? Buchungen in dieser Kategorie sind danach nicht mehr kategorisiert.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>The category could not be deleted.</source>
        <translation>Die Kategorie konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Neue Kategorie</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>&amp;Unterkategorie hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <source>Shared category</source>
        <translation>Freigegebene Kategorie</translation>
    </message>
</context>
<context>
    <name>CategoryComboBox</name>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>Expense</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Neue Unterkategorie</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Kategorie bearbeiten</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Kategoriename</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Steuerrelevant</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Diese Kategorie in die Steuerberichte aufnehmen.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>z. B. spenden, handwerkerleistungen</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>&amp;Steuercode:</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>&amp;Oberkategorie:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Krankheitskosten</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Geschäftsausgaben</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Homeoffice</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Bildungskosten</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Landes- &amp; Kommunalsteuern</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Hypothekenzinsen</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Grundsteuer</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Wohnen</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Miete/Kreditrate</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Instandhaltung</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Hausgeld</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Nebenkosten</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Mobilität</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Kraftstoff</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Autokredit</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Kfz-Versicherung</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Öffentliche Verkehrsmittel</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurants &amp; Cafés</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Körperpflege</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Haustiere</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Geschenke</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Verschiedenes</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Unterhaltung</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Kino</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Veranstaltungen</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Einkäufe</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Kleidung</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Elektronik</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Haushalt</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherungen</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Gesundheit</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Leben</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hausrat/Gebäude</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Kfz</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Gebühren &amp; Entgelte</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Bankgebühren</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Geldautomatengebühren</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Mahngebühren</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Gehalt / Lohn</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividenden</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Mieteinnahmen</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Freiberuflich / Beratung</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Erstattungen</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Erhaltene Geschenke</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Sonstige Einnahmen</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuercode</translation>
    </message>
</context>
<context>
    <name>CsvMappingPanel</name>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV-Spaltenzuordnung:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Datumsspalte:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Zahlungsempfänger-Spalte:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Betragsspalte:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Notizspalte:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Kategoriespalte:</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Automatisch erkennen</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Monat T, JJJJ (May 14, 2026)</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Datumsformat:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>Erste Zeile ist Kopfzeile</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Sp. %1: %2</translation>
    </message>
    <message>
        <source>Choose a date format or type one, such as dd.MM.yyyy</source>
        <translation>Wählen Sie ein Datumsformat oder geben Sie eines ein, etwa dd.MM.yyyy</translation>
    </message>
    <message>
        <source>One signed amount column</source>
        <translation>Eine Betragsspalte mit Vorzeichen</translation>
    </message>
    <message>
        <source>Paid-out and paid-in columns</source>
        <translation>Spalten für Ausgang und Eingang</translation>
    </message>
    <message>
        <source>Amount and direction column</source>
        <translation>Betrag und Richtungsspalte</translation>
    </message>
    <message>
        <source>Amounts:</source>
        <translation>Beträge:</translation>
    </message>
    <message>
        <source>Paid-out column:</source>
        <translation>Spalte Ausgang:</translation>
    </message>
    <message>
        <source>Paid-in column:</source>
        <translation>Spalte Eingang:</translation>
    </message>
    <message>
        <source>Direction column:</source>
        <translation>Richtungsspalte:</translation>
    </message>
    <message>
        <source>such as Af or debit</source>
        <translation>etwa Af oder debit</translation>
    </message>
    <message>
        <source>Paid out when it says:</source>
        <translation>Ausgang, wenn dort steht:</translation>
    </message>
    <message>
        <source>such as Bij or credit</source>
        <translation>etwa Bij oder credit</translation>
    </message>
    <message>
        <source>Paid in when it says:</source>
        <translation>Eingang, wenn dort steht:</translation>
    </message>
    <message>
        <source>Decimal comma (1.234,56)</source>
        <translation>Dezimalkomma (1.234,56)</translation>
    </message>
    <message>
        <source>Invert signs</source>
        <translation>Vorzeichen umkehren</translation>
    </message>
    <message>
        <source>For card statements that list purchases as positive</source>
        <translation>Für Kartenauszüge, die Käufe positiv aufführen</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Erkennen</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Lines to skip:</source>
        <translation>Zu überspringende Zeilen:</translation>
    </message>
    <message>
        <source>Delimiter:</source>
        <translation>Trennzeichen:</translation>
    </message>
</context>
<context>
    <name>CsvPreviewTable</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Zahlungsempfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplikat</translation>
    </message>
    <message>
        <source>Invalid: %1</source>
        <translation>Ungültig: %1</translation>
    </message>
</context>
<context>
    <name>CsvProfileBar</name>
    <message>
        <source>Rename...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Profile &quot;%1&quot; applied: the file has its columns.</source>
        <translation>Profil „%1“ angewendet: Die Datei hat seine Spalten.</translation>
    </message>
    <message>
        <source>The mapping is kept as profile &quot;%1&quot; for the next file of this layout.</source>
        <translation>Die Zuordnung ist als Profil „%1“ für die nächste Datei dieses Aufbaus gespeichert.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Rename Profile</source>
        <translation>Profil umbenennen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>The name is empty or another profile of this account has it.</source>
        <translation>Der Name ist leer oder ein anderes Profil dieses Kontos trägt ihn.</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Profil löschen</translation>
    </message>
    <message>
        <source>Delete the profile &quot;%1&quot;? Files of its layout will need mapping again.</source>
        <translation>Das Profil „%1“ löschen? Dateien dieses Aufbaus müssen dann wieder zugeordnet werden.</translation>
    </message>
</context>
<context>
    <name>DataSettingsPage</name>
    <message>
        <source>Sync</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>Keep your ledgerine in sync across all your devices.</source>
        <translation>Halten Sie Ihre Ledgerine-Daten auf allen Ihren Geräten synchron.</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sicherung &amp; Wiederherstellung</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Sichern Sie Ihre Daten in einer portablen Sicherungsdatei oder stellen Sie sie daraus wieder her.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Sicherung exportieren</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Sicherung importieren</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Gelöschte Konten</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Gelöschte Konten können hier wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Auswahl wiederherstellen</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Mellowind Account to enable sync.</source>
        <translation>Nicht angemeldet.
Melden Sie sich über Datei › Mellowind-Konto an, um die Synchronisierung zu aktivieren.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Angemeldet als:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP-Dateien (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Wird exportiert...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sicherung abgeschlossen</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sicherung gespeichert unter:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Sicherung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Schreiben nicht möglich:
%1</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>Konto wiederherstellen</translation>
    </message>
    <message>
        <source>This account was shared with you, and its owner no longer shares it. Only the owner can bring it back.</source>
        <translation>Dieses Konto wurde mit Ihnen geteilt, und sein Eigentümer teilt es nicht mehr. Nur der Eigentümer kann es wiederherstellen.</translation>
    </message>
    <message>
        <source>The account could not be restored.</source>
        <translation>Das Konto konnte nicht wiederhergestellt werden.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Kalender öffnen (F4)</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>Mellowind Ledgerine, a check register for household finances. With --import it imports transactions from CSV and QIF files and ends without opening a window.</source>
        <translation>Mellowind Ledgerine, ein Kontobuch für die Haushaltsfinanzen. Mit --import werden Buchungen aus CSV- und QIF-Dateien importiert, ohne dass ein Fenster geöffnet wird.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>The account for CSV files and for QIF files without account blocks. QIF accounts go to the account of the same name (without case).</source>
        <translation>Das Konto für CSV-Dateien und für QIF-Dateien ohne Kontoblöcke. QIF-Konten gehen in das gleichnamige Konto (ohne Unterscheidung von Groß- und Kleinschreibung).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Create missing accounts (in US dollars) instead of skipping their transactions.</source>
        <translation>Fehlende Konten anlegen (in US-Dollar), statt ihre Buchungen zu überspringen.</translation>
    </message>
    <message>
        <source>The CSV columns in order: date, payee, amount, memo, category, or - to skip one (default: date,payee,amount).</source>
        <translation>Die CSV-Spalten der Reihe nach: date, payee, amount, memo, category oder -, um eine Spalte zu überspringen (Standard: date,payee,amount).</translation>
    </message>
    <message>
        <source>LIST</source>
        <translation>LISTE</translation>
    </message>
    <message>
        <source>The CSV files start with a row of column names.</source>
        <translation>Die CSV-Dateien beginnen mit einer Zeile mit Spaltennamen.</translation>
    </message>
    <message>
        <source>The pattern of CSV dates, such as dd/MM/yyyy (default: recognised by itself).</source>
        <translation>Das Muster der Datumsangaben in CSV-Dateien, etwa dd/MM/yyyy (Standard: automatisch erkannt).</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Nothing to import: give --import FILE.</source>
        <translation>Nichts zu importieren: Geben Sie --import DATEI an.</translation>
    </message>
    <message>
        <source>--csv-columns names date, payee, amount, memo, category or - in order, each once; date, payee and amount are needed.</source>
        <translation>--csv-columns nennt date, payee, amount, memo, category oder - der Reihe nach, jeden Namen nur einmal; date, payee und amount sind erforderlich.</translation>
    </message>
    <message>
        <source>CSV files need --account NAME.</source>
        <translation>CSV-Dateien benötigen --account NAME.</translation>
    </message>
    <message>
        <source>The database in %1 could not be opened.
</source>
        <translation>Die Datenbank in %1 konnte nicht geöffnet werden.
</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) not imported: they belong to no account here.</source>
        <translation>
            <numerusform>%n Buchung nicht importiert: Sie gehört zu keinem Konto hier.</numerusform>
            <numerusform>%n Buchungen nicht importiert: Sie gehören zu keinem Konto hier.</numerusform>
        </translation>
    </message>
    <message>
        <source>No account is named &quot;%1&quot;; --create-accounts creates it.</source>
        <translation>Kein Konto heißt „%1“; --create-accounts legt es an.</translation>
    </message>
    <message>
        <source>Nothing was imported: no row could be read.</source>
        <translation>Es wurde nichts importiert: Keine Zeile war lesbar.</translation>
    </message>
    <message>
        <source>The ledger in %1 is read-only: nothing was imported.
</source>
        <translation>Das Kassenbuch in %1 ist schreibgeschützt: Es wurde nichts importiert.
</translation>
    </message>
    <message>
        <source>Import FILE: an OFX or QFX statement, a QIF file (.qif) or a comma-separated file. Repeat for several files; QIF files are imported together, so transfers between them are linked.</source>
        <translation>DATEI importieren: einen OFX- oder QFX-Auszug, eine QIF-Datei (.qif) oder eine CSV-Datei. Für mehrere Dateien wiederholen; QIF-Dateien werden zusammen importiert, sodass Umbuchungen zwischen ihnen verknüpft werden.</translation>
    </message>
    <message>
        <source>The CSV delimiter: comma, semicolon, tab or | (default: recognised from the first lines).</source>
        <translation>Das CSV-Trennzeichen: comma, semicolon, tab oder | (Standard: aus den ersten Zeilen erkannt).</translation>
    </message>
    <message>
        <source>DELIMITER</source>
        <translation>TRENNZEICHEN</translation>
    </message>
    <message>
        <source>CSV amounts are written 1.234,56.</source>
        <translation>CSV-Beträge sind als 1.234,56 geschrieben.</translation>
    </message>
    <message>
        <source>The column of amounts paid out, counted from 1 (with --credit-column instead of an amount column).</source>
        <translation>Die Spalte der Ausgänge, ab 1 gezählt (mit --credit-column statt einer Betragsspalte).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>The column of amounts paid in, counted from 1.</source>
        <translation>Die Spalte der Eingänge, ab 1 gezählt.</translation>
    </message>
    <message>
        <source>The column that says whether the amount is paid out or in, counted from 1 (with --out-value and --in-value).</source>
        <translation>Die Spalte, die sagt, ob der Betrag aus- oder eingeht, ab 1 gezählt (mit --out-value und --in-value).</translation>
    </message>
    <message>
        <source>The direction column&apos;s value for money paid out, such as Af or debit.</source>
        <translation>Der Wert der Richtungsspalte für Ausgänge, etwa Af oder debit.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>The direction column&apos;s value for money paid in, such as Bij or credit.</source>
        <translation>Der Wert der Richtungsspalte für Eingänge, etwa Bij oder credit.</translation>
    </message>
    <message>
        <source>Turn the signs of CSV amounts round (card statements that list purchases as positive).</source>
        <translation>Die Vorzeichen der CSV-Beträge umkehren (Kartenauszüge, die Käufe positiv aufführen).</translation>
    </message>
    <message>
        <source>Lines to skip at the start of CSV files, before the table.</source>
        <translation>Zeilen, die am Anfang von CSV-Dateien vor der Tabelle übersprungen werden.</translation>
    </message>
    <message>
        <source>Columns are counted from 1; --direction-column needs --out-value and --in-value; --delimiter is comma, semicolon, tab or |.</source>
        <translation>Spalten werden ab 1 gezählt; --direction-column braucht --out-value und --in-value; --delimiter ist comma, semicolon, tab oder |.</translation>
    </message>
    <message>
        <source>Read CSV files by the account&apos;s profile of this name, as kept by the import window. Without it and without CSV options, the profile that fits the file is used.</source>
        <translation>CSV-Dateien nach dem Profil dieses Namens des Kontos lesen, wie es das Importfenster gespeichert hat. Ohne diese Option und ohne CSV-Optionen wird das Profil verwendet, das zur Datei passt.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; has no CSV profile named &quot;%2&quot;.</source>
        <translation>Das Konto „%1“ hat kein CSV-Profil namens „%2“.</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
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
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>QIF-Datei(en) auswählen</translation>
    </message>
    <message>
        <source>QIF Files (*.qif);;All Files (*)</source>
        <translation>QIF-Dateien (*.qif);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>QIF-Datei(en) werden analysiert...</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n Datei ausgewählt</numerusform>
            <numerusform>%n Dateien ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>The selected file(s) hold no transactions to import.</source>
        <translation>Die ausgewählten Dateien enthalten keine Buchungen zum Importieren.</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Kein Zielkonto</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Wählen Sie ein Konto für den Import aus oder legen Sie jetzt eines an.</translation>
    </message>
    <message>
        <source>The account could not be saved.</source>
        <translation>Das Konto konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Wird importiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Import abgebrochen.</translation>
    </message>
    <message>
        <source>Nothing was imported: every change of this import was rolled back.</source>
        <translation>Es wurde nichts importiert: Alle Änderungen dieses Imports wurden zurückgenommen.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Import fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Import abgeschlossen!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n Buchung importiert</numerusform>
            <numerusform>%n Buchungen importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n Umbuchung zwischen Konten verknüpft</numerusform>
            <numerusform>%n Umbuchungen zwischen Konten verknüpft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (davon %n mit einer früher importierten Zeile verknüpft)</numerusform>
            <numerusform>  (davon %n mit früher importierten Zeilen verknüpft)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n Duplikat übersprungen</numerusform>
            <numerusform>%n Duplikate übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (nicht lesbar)</numerusform>
            <numerusform>%n Datensätze übersprungen (nicht lesbar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n Metadatensatz übersprungen</numerusform>
            <numerusform>%n Metadatensätze übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Quellkonto nicht zugeordnet)</numerusform>
            <numerusform>%n Datensätze übersprungen (Quellkonto nicht zugeordnet)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Datenbankfehler — siehe Protokoll)</numerusform>
            <numerusform>%n Datensätze übersprungen (Datenbankfehler — siehe Protokoll)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split(s) adjusted: their lines did not add up to the amount, so an &quot;Uncategorized&quot; line holds the difference</source>
        <translation>
            <numerusform>%n Splitbuchung angepasst: Ihre Zeilen ergaben nicht den Betrag, daher enthält eine Zeile „Nicht kategorisiert“ die Differenz</numerusform>
            <numerusform>%n Splitbuchungen angepasst: Ihre Zeilen ergaben nicht den Betrag, daher enthält eine Zeile „Nicht kategorisiert“ die Differenz</numerusform>
        </translation>
    </message>
    <message>
        <source>OFX/QFX</source>
        <translation>OFX/QFX</translation>
    </message>
    <message>
        <source>Select OFX File</source>
        <translation>OFX-Datei auswählen</translation>
    </message>
    <message>
        <source>OFX Files (*.ofx *.qfx);;All Files (*)</source>
        <translation>OFX-Dateien (*.ofx *.qfx);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1: the bank&apos;s balance on %2 is %3; the register&apos;s is %4.</source>
        <translation>%1: Der Saldo der Bank am %2 ist %3; der des Registers ist %4.</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Abgleichen...</translation>
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
        <translation>%1 (ohne Kontokopf)</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Importierte Buchung</translation>
    </message>
    <message>
        <source>Uncategorized</source>
        <translation>Nicht kategorisiert</translation>
    </message>
    <message numerus="yes">
        <source>No row has the %n columns the mapping needs; is the delimiter right?</source>
        <translation>
            <numerusform>Keine Zeile hat die %n Spalte, die die Zuordnung braucht. Stimmt das Trennzeichen?</numerusform>
            <numerusform>Keine Zeile hat die %n Spalten, die die Zuordnung braucht. Stimmt das Trennzeichen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>Es wurde nichts importiert: %1.</translation>
    </message>
    <message>
        <source>Nothing was imported: the import could not be completed (%1).</source>
        <translation>Es wurde nichts importiert: Der Import konnte nicht abgeschlossen werden (%1).</translation>
    </message>
    <message>
        <source>Nothing was imported: the import was cancelled.</source>
        <translation>Es wurde nichts importiert: Der Import wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>%1 is not a complete OFX file (%2): nothing was imported.</source>
        <translation>%1 ist keine vollständige OFX-Datei (%2): Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>%1, account %2</source>
        <translation>%1, Konto %2</translation>
    </message>
    <message>
        <source>The statement of account %1 is in %2, but %3 is kept in %4: nothing of it was imported.</source>
        <translation>Der Auszug des Kontos %1 ist in %2, %3 wird aber in %4 geführt: Nichts davon wurde importiert.</translation>
    </message>
    <message>
        <source>The statement of account %1 is in %2, a currency this program does not keep: nothing of it was imported.</source>
        <translation>Der Auszug des Kontos %1 ist in %2, einer Währung, die dieses Programm nicht führt: Nichts davon wurde importiert.</translation>
    </message>
    <message numerus="yes">
        <source>the row has %n column(s), the mapping needs %1</source>
        <translation>
            <numerusform>die Zeile hat %n Spalte, die Zuordnung braucht %1</numerusform>
            <numerusform>die Zeile hat %n Spalten, die Zuordnung braucht %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the date does not read</source>
        <translation>das Datum ist nicht lesbar</translation>
    </message>
    <message>
        <source>the amount does not read</source>
        <translation>der Betrag ist nicht lesbar</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Neue Buchung</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Neues &amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>&amp;Abmelden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>Abgleich&amp;verlauf...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>&amp;Zahlungsempfänger umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>&amp;Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>&amp;Kategorien</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Mellowind Ledgerine</source>
        <translation>&amp;Über Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Neuigkeiten...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Nach Up&amp;dates suchen...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>&amp;Feedback senden...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>&amp;Beispieldaten laden</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>Beispieldaten &amp;entfernen</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Ihr Konto verwalten</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Anmelden oder registrieren</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Neues Konto...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>„%1“ bearbeiten...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Abgleichverlauf...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Zahlungsempfänger umbenennen...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>„%1“ löschen</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Kontobuch</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Buchung speichern</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>Neue Buchung einfügen</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Aktuelle Buchung löschen</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Nächstes / vorheriges Feld</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (Apostroph)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Wert aus dem Feld darüber übernehmen</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>Datumsfeld</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Nächster / vorheriger Tag</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Erster / letzter Tag des Monats</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Erster / letzter Tag des Jahres</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Erster / letzter Tag der Woche</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Konto abgleichen</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Buchungen suchen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation>Zu Konto 1&amp;ndash;9 wechseln</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Zu Konto 10 wechseln</translation>
    </message>
    <message>
        <source>About Mellowind Ledgerine</source>
        <translation>Über Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Mellowind Ledgerine&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A check register for household finances that keeps its data on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Mellowind Ledgerine&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Ein Kontobuch für die Haushaltsfinanzen, das seine Daten auf diesem Computer speichert.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;Mellowind Account...</source>
        <translation>&amp;Mellowind-Konto...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Freigeben...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Freigeben...</translation>
    </message>
    <message>
        <source>Import &amp;Backup...</source>
        <translation>Sicherung im&amp;portieren...</translation>
    </message>
    <message>
        <source>Transaction details</source>
        <translation>Buchungsdetails</translation>
    </message>
    <message>
        <source>Memorize as a recurring transaction</source>
        <translation>Als wiederkehrende Buchung merken</translation>
    </message>
    <message>
        <source>Edit the current field</source>
        <translation>Aktuelles Feld bearbeiten</translation>
    </message>
    <message>
        <source>Open the calendar</source>
        <translation>Kalender öffnen</translation>
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
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Wählen Sie zuerst ein Konto aus</translation>
    </message>
    <message>
        <source>The account could not be saved</source>
        <translation>Das Konto konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>„%1“ löschen?

Alle Buchungen, wiederkehrenden Buchungen und der Abgleichverlauf dieses Kontos werden entfernt. Sie können das Konto unter Einstellungen → Daten &amp; Sync wiederherstellen.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>The account could not be deleted</source>
        <translation>Das Konto konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Kontoabgleich — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichverlauf</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buchungen suchen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Zahlungsempfänger verwalten</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Beispieldaten</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Die Beispieldaten sind bereits geladen.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation>Die Beispieldaten konnten nicht geladen werden.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Beispieldaten geladen</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Keine Beispieldaten zum Entfernen vorhanden.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared.</source>
        <translation>Die Beispieldaten konnten nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Beispieldaten entfernt</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Anmeldung erforderlich</translation>
    </message>
    <message>
        <source>Sharing requires a Mellowind account.</source>
        <translation>Für die Freigabe ist ein Mellowind-Konto erforderlich.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine (damaged ledger)</source>
        <translation>Mellowind Ledgerine (Kassenbuch beschädigt)</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine (read-only)</source>
        <translation>Mellowind Ledgerine (schreibgeschützt)</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Datenbankfehler</translation>
    </message>
    <message>
        <source>Import Backup...</source>
        <translation>Sicherung importieren...</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountDataPage</name>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Daten &amp; Datenschutz</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Gefahrenbereich</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Löschen Sie Ihr Konto endgültig. Nach 30 Tagen lässt sich dies nicht mehr rückgängig machen.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Sie sind Inhaber der Gruppe. Übertragen Sie die Inhaberschaft oder entfernen Sie alle Mitglieder, bevor Sie Ihr Konto löschen.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Ihr Konto wird damit zur endgültigen Löschung nach 30 Tagen vorgemerkt.

Geben Sie zur Bestätigung DELETE ein:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>Das Konto konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Konto zur Löschung vorgemerkt</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Ihr Konto wird in 30 Tagen endgültig gelöscht. Bis dahin können Sie es wiederherstellen, indem Sie sich anmelden.</translation>
    </message>
    <message>
        <source>Your account details could not be loaded.</source>
        <translation>Ihre Kontodaten konnten nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountDevicesPage</name>
    <message>
        <source>Registered Devices</source>
        <translation>Registrierte Geräte</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Geräte, die mit Ihrem Konto synchronisiert wurden.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>Keine Geräte registriert.</translation>
    </message>
    <message>
        <source>v%1</source>
        <translation>v%1</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Unbekanntes Gerät</translation>
    </message>
    <message>
        <source>This device</source>
        <translation>Dieses Gerät</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Gerät entfernen</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>%1 entfernen?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Gerät entfernt.</translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation>Das Gerät konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Your devices could not be loaded.</source>
        <translation>Ihre Geräte konnten nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountGroupPage</name>
    <message>
        <source>No Group</source>
        <translation>Keine Gruppe</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>Sie gehören keiner Gruppe an. Der Inhaber einer Gruppe kann Sie einladen, oder Sie treten mit einem Einladungscode bei.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Mit Einladungscode beitreten</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 von %2 Plätzen belegt</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Mitglieder</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Ausstehende Einladungen</translation>
    </message>
    <message>
        <source>No pending invitations.</source>
        <translation>Keine ausstehenden Einladungen.</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Mitglieder einladen</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Per E-Mail einladen</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Einladungscode erstellen</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Gruppe verlassen</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Inhaber</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Einladungscode: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Gruppe beitreten</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Einladungscode eingeben:</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Sie sind der Gruppe beigetreten.</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Ungültiger oder abgelaufener Einladungscode.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Mitglied entfernen</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>%1 aus der Gruppe entfernen?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 entfernt.</translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Einladung widerrufen.</translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation>Die Einladung konnte nicht widerrufen werden.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Einladung gesendet.</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>Die Einladung konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>Der Code konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Einladungscode</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Geben Sie diesen Code an die Person weiter, die Sie einladen möchten:

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Diese Gruppe verlassen? Sie verlieren den Zugriff auf freigegebene Daten.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Sie haben die Gruppe verlassen.</translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation>Die Gruppe konnte nicht verlassen werden.</translation>
    </message>
    <message>
        <source>Your group could not be loaded.</source>
        <translation>Ihre Gruppe konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Start a Household</source>
        <translation>Haushalt gründen</translation>
    </message>
    <message>
        <source>Share accounts with the people you live with. Your household is created with the first invitation, and you are its owner.</source>
        <translation>Teilen Sie Konten mit den Menschen, mit denen Sie zusammenleben. Ihr Haushalt entsteht mit der ersten Einladung, und Sie sind sein Eigentümer.</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountProfilePage</name>
    <message>
        <source>Personal Information</source>
        <translation>Persönliche Daten</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Anzeigename:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Anzeigenamen ändern</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nicht festgelegt)</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Anzeigename aktualisiert.</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>Das Profil konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>Your profile could not be loaded.</source>
        <translation>Ihr Profil konnte nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountScreen</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Jetzt aktiv</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>vor %1 Min.</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>vor %1 Std.</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>vor %1 Tg.</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Daten &amp; Datenschutz</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountSecurityPage</name>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Ändern Sie das Passwort Ihres Kontos.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Aktive Sitzungen</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sitzungen, die derzeit bei Ihrem Konto angemeldet sind.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Aktuelles Passwort:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Neues Passwort (mind. 8 Zeichen):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>Das Passwort muss mindestens 8 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Neues Passwort bestätigen:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Passwort geändert.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>Das Passwort konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>Keine aktiven Sitzungen.</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Unbekannter Client</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Sitzung beendet.</translation>
    </message>
    <message>
        <source>Failed to revoke session.</source>
        <translation>Die Sitzung konnte nicht beendet werden.</translation>
    </message>
    <message>
        <source>Your sessions could not be loaded.</source>
        <translation>Ihre Sitzungen konnten nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Freigabe des Kontos fehlgeschlagen (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>MellAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>Der lokale Anmeldeserver konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Sign-in timed out</source>
        <translation>Zeitüberschreitung bei der Anmeldung</translation>
    </message>
    <message>
        <source>The web browser could not be opened</source>
        <translation>Der Webbrowser konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>Keine Tokens erhalten</translation>
    </message>
    <message>
        <source>the answer did not come from this sign-in.</source>
        <translation>die Antwort stammt nicht von dieser Anmeldung.</translation>
    </message>
</context>
<context>
    <name>MellAccount::Client</name>
    <message>
        <source>No sync server is set. Enter its address in Edit › Preferences › Data &amp; Sync › Sync server, or set AUTH_BASE_URL, ACCOUNT_API_URL and SYNC_API_URL in the environment.</source>
        <translation>Kein Synchronisierungsserver festgelegt. Geben Sie seine Adresse unter Bearbeiten › Einstellungen › Daten &amp; Sync › Synchronisierungsserver ein, oder setzen Sie AUTH_BASE_URL, ACCOUNT_API_URL und SYNC_API_URL in der Umgebung.</translation>
    </message>
</context>
<context>
    <name>MellAccount::ServerDiscovery</name>
    <message>
        <source>This is not a web address.</source>
        <translation>Das ist keine Webadresse.</translation>
    </message>
    <message>
        <source>Plain http is only for a server on this computer; use https.</source>
        <translation>Unverschlüsseltes http gibt es nur für einen Server auf diesem Computer; verwenden Sie https.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Der Server antwortete mit HTTP-Status %1.</translation>
    </message>
    <message>
        <source>Nothing answered at this address.</source>
        <translation>Unter dieser Adresse hat nichts geantwortet.</translation>
    </message>
    <message>
        <source>The answer does not come from a Mellowind Ledgerine sync server.</source>
        <translation>Die Antwort stammt nicht von einem Mellowind-Ledgerine-Synchronisierungsserver.</translation>
    </message>
</context>
<context>
    <name>MellAccount::ShareMembersDialog</name>
    <message>
        <source>Share Account</source>
        <translation>Konto freigeben</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Freigabe: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Mellowind family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Geben Sie dieses Konto für Mitglieder Ihrer Mellowind-Familiengruppe frei. Sie sehen auf ihren Geräten dasselbe Kontobuch, dieselben Salden und denselben Abgleichverlauf.</translation>
    </message>
    <message>
        <source>People with access</source>
        <translation>Personen mit Zugriff</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Personen hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>This account has not been synchronised yet. Sync it once, then share it.</source>
        <translation>Dieses Konto wurde noch nicht synchronisiert. Synchronisieren Sie es einmal und geben Sie es dann frei.</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Noch für niemanden freigegeben.</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Zugriff entfernen</translation>
    </message>
    <message>
        <source>You&apos;re not in a group yet. Invite people from the Group page of your Mellowind account.</source>
        <translation>Sie sind noch in keiner Gruppe. Laden Sie Personen auf der Seite „Gruppe“ Ihres Mellowind-Kontos ein.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Alle Gruppenmitglieder haben bereits Zugriff</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Freigeben</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Das Konto konnte nicht für %1 freigegeben werden.</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>Zugriff entfernen?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 hat dann keinen Zugriff mehr. Fortfahren?</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Inhaber</translation>
    </message>
    <message>
        <source>Only the owner of this account can give others access.</source>
        <translation>Nur der Inhaber dieses Kontos kann anderen Zugriff geben.</translation>
    </message>
</context>
<context>
    <name>MellAccount::WebAuthHandler</name>
    <message>
        <source>Request too long</source>
        <translation>Anfrage zu lang</translation>
    </message>
    <message>
        <source>Bad request</source>
        <translation>Ungültige Anfrage</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Nicht erlaubt</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Finishing sign-in...</source>
        <translation>Anmeldung wird abgeschlossen...</translation>
    </message>
    <message>
        <source>Turn on JavaScript for this page to finish signing in.</source>
        <translation>Aktivieren Sie JavaScript für diese Seite, um die Anmeldung abzuschließen.</translation>
    </message>
    <message>
        <source>You&apos;re signed in</source>
        <translation>Sie sind angemeldet</translation>
    </message>
    <message>
        <source>You can close this tab and return to Mellowind Ledgerine.</source>
        <translation>Sie können diesen Tab schließen und zu Mellowind Ledgerine zurückkehren.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Return to Mellowind Ledgerine to try again.</source>
        <translation>Kehren Sie zu Mellowind Ledgerine zurück, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine</source>
        <translation>Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>You can close this tab.</source>
        <translation>Sie können diesen Tab schließen.</translation>
    </message>
</context>
<context>
    <name>MellUpdate::UpdateCommands</name>
    <message>
        <source>This build has no update server configured</source>
        <translation>Für diesen Build ist kein Update-Server eingerichtet</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 ist auf dem neuesten Stand (Version %2)</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Keine Versionshinweise für %1 %2 verfügbar</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection to the internet and try again.</source>
        <translation>Der Update-Server ist nicht erreichbar. Prüfen Sie die Internetverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read. Try again later.</source>
        <translation>Die Antwort des Update-Servers konnte nicht gelesen werden. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The latest version cannot be installed over version %1. Install version %2 first.</source>
        <translation>Die neueste Version kann nicht über Version %1 installiert werden. Installieren Sie zuerst Version %2.</translation>
    </message>
    <message>
        <source>This build&apos;s update server address is not valid.</source>
        <translation>Die Adresse des Update-Servers dieses Builds ist ungültig.</translation>
    </message>
</context>
<context>
    <name>MellUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Eine neue Version von %1 ist verfügbar.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Sie haben Version %1. Die neueste Version ist %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Für diese Version sind keine Versionshinweise verfügbar.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
</context>
<context>
    <name>MellUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Neu in %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Neu in %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Sie verwenden Version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 herunterladen</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>Amounts are limited to %1</source>
        <translation>Beträge sind auf %1 begrenzt</translation>
    </message>
    <message>
        <source>Yen amounts have no decimals</source>
        <translation>Yen-Beträge haben keine Nachkommastellen</translation>
    </message>
</context>
<context>
    <name>NoAccountsPage</name>
    <message>
        <source>Welcome to Mellowind Ledgerine</source>
        <translation>Willkommen bei Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Legen Sie Ihr erstes Konto an, um loszulegen.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Konto anlegen</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>Zahlungsempfänger verwalten</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Zahlungsempfänger</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Auswahl umbenennen</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Auswahl zusammenführen</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Umbenennen in:</translation>
    </message>
    <message>
        <source>Similar</source>
        <translation>Ähnlich</translation>
    </message>
    <message>
        <source>Differs only in case or spaces from: %1</source>
        <translation>Unterscheidet sich nur in Groß-/Kleinschreibung oder Leerzeichen von: %1</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Zusammenführen fehlgeschlagen</translation>
    </message>
    <message>
        <source>The payees could not be merged; nothing was changed.</source>
        <translation>Die Zahlungsempfänger konnten nicht zusammengeführt werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>The payees could not be renamed; nothing was changed.</source>
        <translation>Die Zahlungsempfänger konnten nicht umbenannt werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Zusammenführen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung zusammengeführt.</numerusform>
            <numerusform>%n Buchungen zusammengeführt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Umbenennen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung umbenannt.</numerusform>
            <numerusform>%n Buchungen umbenannt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Wählen Sie 2 oder mehr Zahlungsempfänger zum Zusammenführen aus.</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 Zahlungsempfänger zu „%2“ zusammenführen?</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Zahlungsempfänger zusammenführen</translation>
    </message>
</context>
<context>
    <name>QifMappingPanel</name>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF-Quellkonten:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Wählen Sie, in welches Konto jedes QIF-Konto importiert werden soll. Bei Konten, die in den ausgewählten Dateien zugeordnet sind, werden Umbuchungen automatisch verknüpft.</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Neues Konto „%1“ anlegen —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Diese Buchungen überspringen —</translation>
    </message>
    <message>
        <source>Statements:</source>
        <translation>Kontoauszüge:</translation>
    </message>
    <message>
        <source>Choose the account each statement goes to. The next statement of the same bank account goes there by itself.</source>
        <translation>Wählen Sie für jeden Auszug das Konto. Der nächste Auszug desselben Bankkontos geht von selbst dorthin.</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichverlauf</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Frühere Kontoabgleiche dieses Kontos.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Auszugsdatum</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Auszugssaldo</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Abgeglichener Saldo</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Noch keine Kontoabgleiche. Gleichen Sie Ihr Konto im Kontobuch ab, um den Verlauf hier zu sehen.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Abgleichverlauf — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Zahlungsempfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>St.</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Konto abgleichen</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Auszugsdatum:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Auszugssaldo:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Vorheriger Saldo</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Geprüfte Einzahlungen</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Geprüfte Auszahlungen</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Geprüfter Saldo</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Auszugssaldo</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Abgleich abschließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Buchung hinzufügen</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Buchung hinzufügen (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Ausgewählte Buchung bearbeiten (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Ausgewählte Buchung löschen (Entf)</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Kontoabgleich abgeschlossen</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Das Konto wurde erfolgreich abgeglichen.</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved.</source>
        <translation>Der Kontoabgleich konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Die Buchung für „%1“ löschen?</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>Die Buchung konnte nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>RecordRules</name>
    <message>
        <source>The date is not a valid date.</source>
        <translation>Das Datum ist kein gültiges Datum.</translation>
    </message>
    <message>
        <source>The date %1 is not between the years 1900 and 2100.</source>
        <translation>Das Datum %1 liegt nicht zwischen den Jahren 1900 und 2100.</translation>
    </message>
    <message>
        <source>The payee is longer than %1 characters.</source>
        <translation>Der Zahlungsempfänger ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The memo is longer than %1 characters.</source>
        <translation>Die Notiz ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The category name is longer than %1 characters.</source>
        <translation>Der Kategoriename ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The check number is longer than %1 characters.</source>
        <translation>Die Schecknummer ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The split has %1 lines; a transaction has at most %2.</source>
        <translation>Die Splitbuchung hat %1 Zeilen; eine Buchung hat höchstens %2.</translation>
    </message>
</context>
<context>
    <name>RecurringAutoPoster</name>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n wiederkehrende Buchung automatisch gebucht</numerusform>
            <numerusform>%n wiederkehrende Buchungen automatisch gebucht</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Alle zwei Wochen</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Wiederkehrende Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Buchung merken</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Auszahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tippen Sie, um Zahlungsempfänger zu suchen...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Mit Enddatum</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Bei Fälligkeit automatisch buchen</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Zahlungsempfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Häufigkeit:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Startdatum:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Enddatum:</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Zahlungsempfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Nächste Fälligkeit</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Alle fälligen bestätigen</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 fällig)</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>Die wiederkehrende Buchung konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Its next due date is not a valid date, so it has been made inactive. Edit its start date to use it again.</source>
        <translation>Ihr nächstes Fälligkeitsdatum ist kein gültiges Datum, daher wurde sie deaktiviert. Bearbeiten Sie ihr Startdatum, um sie wieder zu verwenden.</translation>
    </message>
    <message>
        <source>The transaction for this date is already in the register. Skip it to move on to the next date.</source>
        <translation>Die Buchung für dieses Datum steht bereits im Kontobuch. Überspringen Sie sie, um zum nächsten Datum zu gelangen.</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency.</source>
        <translation>Umbuchungen setzen voraus, dass beide Konten dieselbe Währung verwenden.</translation>
    </message>
    <message>
        <source>The account it transfers to no longer exists.</source>
        <translation>Das Zielkonto der Umbuchung existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>Die Buchung konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Not Posted</source>
        <translation>Nicht gebucht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not posted.

%2</source>
        <translation>„%1“ wurde nicht gebucht.

%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Wiederkehrende Buchung „%1“ löschen?</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>Bes&amp;tätigen</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Über&amp;springen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>No recurring transactions were posted: %1.</source>
        <translation>Es wurden keine wiederkehrenden Buchungen gebucht: %1.</translation>
    </message>
</context>
<context>
    <name>RegisterColumnLayout</name>
    <message>
        <source>Show columns</source>
        <translation>Spalten anzeigen</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Kontobuch-Layout zurücksetzen</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Zahlungsempfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Auszahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>St.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Zahlungsempfänger / Notiz</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Splitbuchung—</translation>
    </message>
    <message>
        <source>C</source>
        <comment>Clr mark of a cleared transaction</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>R</source>
        <comment>Clr mark of a reconciled transaction</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>Changed on this computer and on another one. Right-click to choose which version to keep.</source>
        <translation>Auf diesem und auf einem anderen Computer geändert. Klicken Sie mit der rechten Maustaste, um zu wählen, welche Version bleibt.</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>The transaction could not be saved</source>
        <translation>Die Buchung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  &apos;: copy above</source>
        <translation>%1: speichern  |  Enter: weiter  |  %2: löschen  |  &apos;: von oben kopieren</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: speichern  |  Enter: weiter  |  %2: löschen  |  %3: merken  |  &apos;: von oben kopieren</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Abgleichen</translation>
    </message>
    <message>
        <source>The database could not be read; the register is left empty.</source>
        <translation>Die Datenbank konnte nicht gelesen werden; das Kontobuch bleibt leer.</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Felder geleert</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>Neu &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Neue Buchung...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>&amp;Details anzeigen...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>&amp;Splitbuchung bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>Im Dialog &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Als un&amp;geprüft markieren</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Als &amp;geprüft markieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Zahlungsempfänger ist erforderlich</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Geben Sie einen Auszahlungs- oder Einzahlungsbetrag ein</translation>
    </message>
    <message>
        <source>%1 is not an amount</source>
        <translation>%1 ist kein Betrag</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>Geben Sie ein gültiges Datum ein</translation>
    </message>
    <message>
        <source>No category named &quot;%1&quot;</source>
        <translation>Keine Kategorie namens „%1“</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Umbuchungskonto nicht gefunden</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Umbuchungen setzen voraus, dass beide Konten dieselbe Währung verwenden</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>„%1“ über %2 löschen?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Umbuchung „%1“ über %2 löschen?

Beide Seiten der Umbuchung werden gelöscht.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Merken nicht möglich: Die Ausgangsbuchung hat ein ungültiges Datum</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Buchung als wiederkehrende Buchung gemerkt</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>Die wiederkehrende Buchung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Reconciled Transaction</source>
        <translation>Abgeglichene Buchung</translation>
    </message>
    <message>
        <source>This transaction is reconciled. Change it anyway?</source>
        <translation>Diese Buchung ist abgeglichen. Trotzdem ändern?</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>Nicht gespeicherte Buchung</translation>
    </message>
    <message>
        <source>Save the transaction you are entering?</source>
        <translation>Die Buchung, die Sie gerade eingeben, speichern?</translation>
    </message>
    <message>
        <source>Resolve Sync &amp;Conflict...</source>
        <translation>Sync-&amp;Konflikt lösen...</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Nicht kategorisiert</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Zahlungsempfänger</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuercode</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Zuflüsse</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Abflüsse</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Zeitraum 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Zeitraum 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Ungeprüft</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Übersicht Zahlungsempfänger</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Steuerbericht</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Einnahmen und Ausgaben</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Cashflow</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Jahresvergleich</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Kontenübersicht</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Dieses Quartal</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Quartal</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Letzte 90 Tage</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Gesamter Zeitraum</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Show Chart</source>
        <translation>Diagramm anzeigen</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Dieses Jahr vs. letztes Jahr</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Letztes Jahr vs. Vorjahr</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Dieses Quartal vs. letztes Quartal</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Vergleichen:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>Z1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>Z2:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>All %1 accounts</source>
        <translation>Alle %1-Konten</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>Z1: %1 – %2    Z2: %3 – %4</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Splitbuchung—</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Schreiben nicht möglich:
%1</translation>
    </message>
    <message>
        <source>Show More</source>
        <translation>Mehr anzeigen</translation>
    </message>
    <message>
        <source>Rows: %1 of %2 · Total: %3</source>
        <translation>Zeilen: %1 von %2 · Summe: %3</translation>
    </message>
    <message>
        <source>Rows: %1 · Total: %2</source>
        <translation>Zeilen: %1 · Summe: %2</translation>
    </message>
</context>
<context>
    <name>RestoreFlow</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Sicherung importieren</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP-Dateien (*.zip)</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Restoring the backup...</source>
        <translation>Die Sicherung wird wiederhergestellt...</translation>
    </message>
    <message>
        <source>Finishing the restore...</source>
        <translation>Die Wiederherstellung wird abgeschlossen...</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message>
        <source>Import Cancelled</source>
        <translation>Import abgebrochen</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 Einträge importiert, %2 übersprungen.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n Fehler ist aufgetreten.</numerusform>
            <numerusform>

%n Fehler sind aufgetreten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The restore was cancelled; nothing was changed.</source>
        <translation>Die Wiederherstellung wurde abgebrochen; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>

Your data as it was before the import is saved in:
%1</source>
        <translation>

Ihre Daten vom Stand vor dem Import sind gespeichert in:
%1</translation>
    </message>
    <message>
        <source>Making a new ledger from the backup...</source>
        <translation>Ein neues Kassenbuch wird aus der Sicherung erstellt...</translation>
    </message>
    <message>
        <source>No new ledger was made, and the damaged file is as it was.

%1</source>
        <translation>Es wurde kein neues Kassenbuch erstellt, und die beschädigte Datei ist unverändert.

%1</translation>
    </message>
    <message>
        <source>A new ledger was made from the backup: %1 items.

The damaged file was kept as:
%2</source>
        <translation>Aus der Sicherung wurde ein neues Kassenbuch erstellt: %1 Einträge.

Die beschädigte Datei wurde aufbewahrt als:
%2</translation>
    </message>
</context>
<context>
    <name>RestoreModeDialog</name>
    <message>
        <source>Import Mode</source>
        <translation>Importmodus</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Wie sollen vorhandene Daten behandelt werden?</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Alles durch die Daten der Sicherung ersetzen</translation>
    </message>
    <message>
        <source>Every item in the backup overwrites the same item here, and items deleted since the backup come back. Items that are not in the backup are kept.</source>
        <translation>Jeder Eintrag der Sicherung überschreibt denselben Eintrag hier, und seit der Sicherung gelöschte Einträge kommen zurück. Einträge, die nicht in der Sicherung sind, bleiben erhalten.</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Neuere behalten (Zeitstempel vergleichen)</translation>
    </message>
    <message>
        <source>An item in the backup overwrites the same item here only when it was changed later. Items deleted here stay deleted.</source>
        <translation>Ein Eintrag der Sicherung überschreibt denselben Eintrag hier nur, wenn er später geändert wurde. Hier gelöschte Einträge bleiben gelöscht.</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Vorhandene Einträge überspringen</translation>
    </message>
    <message>
        <source>Only items that are not here at all are added; nothing here changes, and items deleted here stay deleted.</source>
        <translation>Nur Einträge, die hier gar nicht vorhanden sind, werden hinzugefügt; hier ändert sich nichts, und hier gelöschte Einträge bleiben gelöscht.</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa Rewards</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>Summit Bank</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Zahlungsempfänger, Notiz, Schecknummer suchen...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Nur geprüfte</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Kontobuch</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Daten &amp; Sync</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Control how Mellowind Ledgerine looks.</source>
        <translation>Legen Sie fest, wie Mellowind Ledgerine aussieht.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Theme:</source>
        <translation>Farbschema:</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Sehr groß</translation>
    </message>
    <message>
        <source>Font size:</source>
        <translation>Schriftgröße:</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Regionale Einstellungen</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Datums- und Kalendereinstellungen.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Week starts on:</source>
        <translation>Woche beginnt am:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Wie Buchungen im Kontobuch angezeigt werden.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Zweizeilige Darstellung</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Notiz in einer zweiten Zeile unter dem Zahlungsempfänger anzeigen.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Legen Sie die Reihenfolge der Buchungen im Kontobuch fest.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Neueste Buchungen zuerst anzeigen</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Wenn aktiviert, erscheinen die jüngsten Buchungen oben.</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine</source>
        <translation>Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A check register for household finances: accounts, categories, reconciliation, recurring transactions and reports, kept in one file on your computer.</source>
        <translation>Ein Kontobuch für die Haushaltsfinanzen: Konten, Kategorien, Kontoabgleich, wiederkehrende Buchungen und Berichte, gespeichert in einer Datei auf Ihrem Computer.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Help and support</source>
        <translation>Hilfe und Support</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <source>© Mellowind. All rights reserved.</source>
        <translation>© Mellowind. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Sprache geändert</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Mellowind Ledgerine.</source>
        <translation>Die neue Sprache wird beim nächsten Start von Mellowind Ledgerine wirksam.</translation>
    </message>
    <message>
        <source>Language default (%1)</source>
        <translation>Wie die Sprache (%1)</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Datumsformat:</translation>
    </message>
</context>
<context>
    <name>SignInActions</name>
    <message>
        <source>Signed in successfully</source>
        <translation>Erfolgreich angemeldet</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Anmeldung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Waiting for you to sign in with your web browser...</source>
        <translation>Warten auf Ihre Anmeldung im Webbrowser...</translation>
    </message>
    <message>
        <source>Signed out</source>
        <translation>Abgemeldet</translation>
    </message>
    <message>
        <source>Mellowind Account</source>
        <translation>Mellowind-Konto</translation>
    </message>
    <message>
        <source>The system keyring did not answer in time: you are signed out for now.</source>
        <translation>Der Schlüsselbund des Systems hat nicht rechtzeitig geantwortet: Sie sind vorerst abgemeldet.</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Kalender öffnen (F4)</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Splitbuchung</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Summe: %1</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Zeile hinzufügen</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Entfernen</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Verbleibend: %1</translation>
    </message>
    <message>
        <source>Line %1 has an amount but no category.

Choose a category from the list for every line with an amount.</source>
        <translation>Zeile %1 hat einen Betrag, aber keine Kategorie.

Wählen Sie für jede Zeile mit einem Betrag eine Kategorie aus der Liste.</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n Konto</numerusform>
            <numerusform>%n Konten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n wiederkehrende Buchung fällig</numerusform>
            <numerusform>  •  %n wiederkehrende Buchungen fällig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sync conflict(s)</source>
        <translation>
            <numerusform>%n Sync-Konflikt</numerusform>
            <numerusform>%n Sync-Konflikte</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries changed on this computer and on another one. Click to choose which version to keep.</source>
        <translation>Einträge, die auf diesem und auf einem anderen Computer geändert wurden. Klicken Sie, um zu wählen, welche Version bleibt.</translation>
    </message>
</context>
<context>
    <name>StoreBanner</name>
    <message>
        <source>Import Backup...</source>
        <translation>Sicherung importieren...</translation>
    </message>
    <message>
        <source>This ledger file is read-only: you can look at it, but not change it. To make changes, allow writing to %1 and start Mellowind Ledgerine again.</source>
        <translation>Diese Kassenbuchdatei ist schreibgeschützt: Sie können sie ansehen, aber nicht ändern. Um etwas zu ändern, erlauben Sie das Schreiben in %1 und starten Sie Mellowind Ledgerine erneut.</translation>
    </message>
</context>
<context>
    <name>StoreError</name>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>another program is writing to the ledger file</source>
        <translation>ein anderes Programm schreibt in die Kontobuchdatei</translation>
    </message>
    <message>
        <source>the ledger file cannot be written</source>
        <translation>die Kontobuchdatei kann nicht beschrieben werden</translation>
    </message>
    <message>
        <source>the ledger file is damaged</source>
        <translation>die Kontobuchdatei ist beschädigt</translation>
    </message>
    <message>
        <source>the disk could not be written</source>
        <translation>auf den Datenträger konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>der Arbeitsspeicher reicht nicht aus</translation>
    </message>
    <message>
        <source>the database refused a change</source>
        <translation>die Datenbank hat eine Änderung abgelehnt</translation>
    </message>
    <message>
        <source>the database refused a change (%1)</source>
        <translation>die Datenbank hat eine Änderung abgelehnt (%1)</translation>
    </message>
</context>
<context>
    <name>SyncConflictsDialog</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Account type</source>
        <translation>Kontotyp</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Institut</translation>
    </message>
    <message>
        <source>Account number</source>
        <translation>Kontonummer</translation>
    </message>
    <message>
        <source>Starting balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>Category type</source>
        <translation>Kategorietyp</translation>
    </message>
    <message>
        <source>Parent category</source>
        <translation>Übergeordnete Kategorie</translation>
    </message>
    <message>
        <source>Tax relevant</source>
        <translation>Steuerrelevant</translation>
    </message>
    <message>
        <source>Tax category</source>
        <translation>Steuerkategorie</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Zahlungsempfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Splits</source>
        <translation>Aufteilungen</translation>
    </message>
    <message>
        <source>Check number</source>
        <translation>Schecknummer</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>Next due date</source>
        <translation>Nächste Fälligkeit</translation>
    </message>
    <message>
        <source>Post automatically</source>
        <translation>Automatisch buchen</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Statement date</source>
        <translation>Auszugsdatum</translation>
    </message>
    <message>
        <source>Statement balance</source>
        <translation>Auszugssaldo</translation>
    </message>
    <message>
        <source>Reconciled balance</source>
        <translation>Abgeglichener Saldo</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Transfer account</source>
        <translation>Umbuchungskonto</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>Meine behalten</translation>
    </message>
    <message>
        <source>Use the other computer&apos;s</source>
        <translation>Die des anderen Computers verwenden</translation>
    </message>
    <message>
        <source>Sync Conflicts</source>
        <translation>Sync-Konflikte</translation>
    </message>
    <message>
        <source>These entries were changed on this computer and on another one before either saw the other&apos;s change. Choose which version to keep; the other computers then follow.</source>
        <translation>Diese Einträge wurden auf diesem und auf einem anderen Computer geändert, bevor einer die Änderung des anderen sah. Wählen Sie, welche Version bleibt; die anderen Computer übernehmen sie dann.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Dieser Computer</translation>
    </message>
    <message>
        <source>Other computer</source>
        <translation>Anderer Computer</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Konto: %1</translation>
    </message>
    <message>
        <source>Category: %1</source>
        <translation>Kategorie: %1</translation>
    </message>
    <message>
        <source>Recurring transaction: %1</source>
        <translation>Wiederkehrende Buchung: %1</translation>
    </message>
    <message>
        <source>Transaction: %1, %2</source>
        <translation>Buchung: %1, %2</translation>
    </message>
    <message>
        <source>Reconciliation of %1</source>
        <translation>Abgleich vom %1</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No conflicts left.</source>
        <translation>Keine Konflikte mehr.</translation>
    </message>
    <message>
        <source>The other computer&apos;s version has not arrived yet. Using it fetches it from the server.</source>
        <translation>Die Version des anderen Computers ist noch nicht angekommen. Wenn Sie sie verwenden, wird sie vom Server geholt.</translation>
    </message>
    <message>
        <source>(not received yet)</source>
        <translation>(noch nicht empfangen)</translation>
    </message>
    <message>
        <source>Import profile: %1</source>
        <translation>Importprofil: %1</translation>
    </message>
</context>
<context>
    <name>SyncControlsWidget</name>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Vollständige Synchronisierung erzwingen</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Zuletzt synchronisiert: %1</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nie synchronisiert</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Fehler: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Dadurch werden alle lokalen Zeilen erneut auf den Server hochgeladen und alle Serverdaten erneut heruntergeladen. Verwenden Sie dies, wenn die Daten zwischen Ihren Geräten nicht synchron zu sein scheinen.

Fortfahren?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Wird synchronisiert...</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synchronisiert</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Wird synchronisiert...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Synchronisierungsfehler</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Could not prepare the data for the new account</source>
        <translation>Die Daten konnten nicht für das neue Konto vorbereitet werden</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Hochladen fehlgeschlagen (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Abrufen fehlgeschlagen (HTTP %1)</translation>
    </message>
    <message>
        <source>Could not store the pulled changes</source>
        <translation>Die abgerufenen Änderungen konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The server did not move on from its position in the change stream</source>
        <translation>Der Server ist in der Änderungsfolge nicht über seine Position hinausgekommen</translation>
    </message>
    <message>
        <source>Sync paused</source>
        <translation>Synchronisierung angehalten</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) not accepted</source>
        <translation>
            <numerusform>%n Datensatz nicht angenommen</numerusform>
            <numerusform>%n Datensätze nicht angenommen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncFeedback</name>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisierung abgeschlossen</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Synchronisierung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>The data on this computer was last synchronised with another Mellowind account or sync server.

Upload this computer&apos;s data to the account you are signed in to now?</source>
        <translation>Die Daten auf diesem Computer wurden zuletzt mit einem anderen Mellowind-Konto oder Synchronisierungsserver synchronisiert.

Die Daten dieses Computers in das Konto hochladen, bei dem Sie jetzt angemeldet sind?</translation>
    </message>
    <message>
        <source>Your access to %1 ended; your last change there was not sent.</source>
        <translation>Ihr Zugriff auf %1 wurde beendet; Ihre letzte Änderung dort wurde nicht gesendet.</translation>
    </message>
</context>
<context>
    <name>SyncServerSection</name>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Sync server</source>
        <translation>Synchronisierungsserver</translation>
    </message>
    <message>
        <source>The server this computer signs in to and syncs with.</source>
        <translation>Der Server, bei dem sich dieser Computer anmeldet und mit dem er synchronisiert.</translation>
    </message>
    <message>
        <source>https://ledger.example.org</source>
        <translation>https://ledger.example.org</translation>
    </message>
    <message>
        <source>Sync server at %1, version %2.
Sign-in: %3
Sync: %4</source>
        <translation>Synchronisierungsserver unter %1, Version %2.
Anmeldung: %3
Synchronisierung: %4</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>The environment names the cloud services (AUTH_BASE_URL, ACCOUNT_API_URL, SYNC_API_URL); they are used instead of this address.</source>
        <translation>Die Umgebung nennt die Cloud-Dienste (AUTH_BASE_URL, ACCOUNT_API_URL, SYNC_API_URL); sie werden statt dieser Adresse verwendet.</translation>
    </message>
    <message>
        <source>No sync server is set.</source>
        <translation>Kein Synchronisierungsserver festgelegt.</translation>
    </message>
    <message>
        <source>Sign out to change the sync server.</source>
        <translation>Melden Sie sich ab, um den Synchronisierungsserver zu ändern.</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>Frage %1 an...</translation>
    </message>
    <message>
        <source>No sync server found at %1: %2</source>
        <translation>Kein Synchronisierungsserver unter %1 gefunden: %2</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Buchungsdetails</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Zahlungsempfänger:</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Splitbuchung—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Schecknr.:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Gegenkonto:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Erfasst: %1</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Zuletzt geändert: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Löschen...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Splitzeilen</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(keine Splitzeilen gespeichert)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(nicht kategorisiert)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Ungeprüft</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Als ungeprüft markieren</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Als geprüft markieren</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more line(s)</source>
        <translation>
            <numerusform>… und %n weitere Zeile</numerusform>
            <numerusform>… und %n weitere Zeilen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Auszahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tippen Sie, um Zahlungsempfänger zu suchen...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Diese Buchung auf mehrere Kategorien mit eigenen Beträgen und Notizen aufteilen.</translation>
    </message>
    <message>
        <source>Clear split</source>
        <translation>Aufteilung aufheben</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Die Aufteilung verwerfen und zu einer Buchung mit nur einer Kategorie zurückkehren.</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Zahlungsempfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Schecknr.:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Splitbuchung—</translation>
    </message>
    <message>
        <source>Edit splits...</source>
        <translation>Aufteilung bearbeiten...</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Aufteilen...</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Zahlungsempfänger ist erforderlich</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Umbuchungskonto nicht gefunden</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Umbuchungen setzen voraus, dass beide Konten dieselbe Währung verwenden</translation>
    </message>
    <message>
        <source>The split lines add up to %1, not to the amount of %2: a difference of %3.</source>
        <translation>Die Aufteilungszeilen ergeben %1, nicht den Betrag von %2: eine Differenz von %3.</translation>
    </message>
    <message>
        <source>Put the difference on an &quot;Uncategorized&quot; line?</source>
        <translation>Die Differenz auf eine Zeile „Nicht kategorisiert“ buchen?</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Ihre Sitzung ist abgelaufen. Melden Sie sich erneut an, um weiter zu synchronisieren.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Funktioniert vollständig offline. Ihre Daten bleiben auf diesem Gerät.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>So funktioniert es</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Legen Sie ein Konto an (Girokonto, Sparkonto, Kreditkarte oder jedes andere Konto, das Sie verfolgen möchten).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Erfassen Sie Buchungen, sobald Sie Geld ausgeben.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Gleichen Sie Ihr Konto ab, wenn der Kontoauszug kommt.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Willkommen zurück</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Melden Sie sich an, um Ihre Daten geräteübergreifend zu synchronisieren.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Ein anderes Konto anlegen</translation>
    </message>
    <message>
        <source>Welcome to
Mellowind Ledgerine</source>
        <translation>Willkommen bei
Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>A digital check register.</source>
        <translation>Ein digitales Kontobuch.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Sie haben bereits ein Konto? Anmelden</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Erstes Konto anlegen</translation>
    </message>
</context>
</TS>
