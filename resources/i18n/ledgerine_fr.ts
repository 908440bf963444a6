<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investissement</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
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
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nom du compte</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nom de la banque (facultatif)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>4 derniers chiffres (facultatif)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Devise&#xa0;:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>&amp;Solde initial&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;En date du&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>Éta&amp;blissement&#xa0;:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Numéro de &amp;compte&#xa0;:</translation>
    </message>
    <message>
        <source>The currency cannot change once the account holds amounts in it.</source>
        <translation>La devise ne peut plus être modifiée une fois que le compte contient des montants dans cette devise.</translation>
    </message>
</context>
<context>
    <name>AccountPageParts</name>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
</context>
<context>
    <name>AccountRowWidget</name>
    <message>
        <source>The balance cannot be computed from the stored transactions.</source>
        <translation>Le solde ne peut pas être calculé à partir des opérations enregistrées.</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investissement</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Shared with you</source>
        <translation>Partagé avec vous</translation>
    </message>
    <message>
        <source>Shared with you by %1</source>
        <translation>Partagé avec vous par %1</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>No accounts</source>
        <translation>Aucun compte</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>This data was made by a newer version of Mellowind Ledgerine (data version %1). This version understands data up to version %2.</source>
        <translation>Ces données ont été créées par une version plus récente de Mellowind Ledgerine (version des données %1). Cette version gère les données jusqu&apos;à la version %2.</translation>
    </message>
    <message>
        <source>Required tables are missing: %1.</source>
        <translation>Des tables obligatoires sont manquantes&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The SQLite library of Qt&apos;s database driver differs from the one this program was built with (driver / program: %1).</source>
        <translation>La bibliothèque SQLite du pilote de base de données de Qt diffère de celle avec laquelle ce programme a été compilé (pilote / programme&#xa0;: %1).</translation>
    </message>
    <message>
        <source>Please check file permissions and try again.</source>
        <translation>Vérifiez les droits d&apos;accès aux fichiers, puis réessayez.</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1</source>
        <translation>Impossible d&apos;initialiser la base de données.

Dossier de données&#xa0;: %1</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine is running with this data (%1); close it before importing.</source>
        <translation>Mellowind Ledgerine est en cours d&apos;exécution avec ces données (%1)&#xa0;; fermez-le avant d&apos;importer.</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine</source>
        <translation>Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine is already running with this data (%1).</source>
        <translation>Mellowind Ledgerine est déjà en cours d&apos;exécution avec ces données (%1).</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Erreur de base de données</translation>
    </message>
    <message>
        <source>The ledger file is read-only, and this version of Mellowind Ledgerine has to update it before it can open it. Allow writing to it and try again.</source>
        <translation>Le fichier du registre est en lecture seule, et cette version de Mellowind Ledgerine doit le mettre à jour avant de pouvoir l&apos;ouvrir. Autorisez l&apos;écriture, puis réessayez.</translation>
    </message>
    <message>
        <source>The ledger file is damaged (%1). Restore a backup from File › Import Backup, or open it with an SQLite tool.</source>
        <translation>Le fichier du registre est endommagé (%1). Restaurez une sauvegarde avec Fichier › Restaurer une sauvegarde, ou ouvrez-le avec un outil SQLite.</translation>
    </message>
    <message>
        <source>Import Backup...</source>
        <translation>Restaurer une sauvegarde...</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Impossible d&apos;ouvrir l&apos;archive ZIP</translation>
    </message>
    <message>
        <source>The backup holds more than %1 entries.</source>
        <translation>La sauvegarde contient plus de %1 entrées.</translation>
    </message>
    <message>
        <source>The backup unpacks to more than %1 bytes.</source>
        <translation>La sauvegarde décompressée dépasse %1 octets.</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Sauvegarde non valide&#xa0;: manifest.json manquant</translation>
    </message>
    <message>
        <source>The backup entry %1 is larger than the limit of %2 bytes.</source>
        <translation>L&apos;entrée de sauvegarde %1 dépasse la limite de %2 octets.</translation>
    </message>
    <message>
        <source>Invalid backup: damaged manifest.json</source>
        <translation>Sauvegarde non valide&#xa0;: manifest.json endommagé</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Version de sauvegarde non prise en charge&#xa0;: %1</translation>
    </message>
    <message>
        <source>unknown table</source>
        <translation>table inconnue</translation>
    </message>
    <message>
        <source>%1: invalid value for %2</source>
        <translation>%1&#xa0;: valeur non valide pour %2</translation>
    </message>
    <message>
        <source>%1: amount beyond the limit</source>
        <translation>%1&#xa0;: montant au-delà de la limite</translation>
    </message>
    <message>
        <source>%1: not restored: %2</source>
        <translation>%1&#xa0;: non restauré&#xa0;: %2</translation>
    </message>
    <message>
        <source>the backup entry %1 is larger than the limit of %2 bytes</source>
        <translation>l&apos;entrée de sauvegarde %1 dépasse la limite de %2 octets</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1&#xa0;: JSON non valide</translation>
    </message>
    <message>
        <source>%1: members that are not columns were ignored: %2%3</source>
        <translation>%1&#xa0;: les membres qui ne sont pas des colonnes ont été ignorés&#xa0;: %2%3</translation>
    </message>
    <message>
        <source>Nothing was restored: %1.</source>
        <translation>Rien n’a été restauré : %1.</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1 : refusé : %2</translation>
    </message>
    <message>
        <source>The transaction is linked to itself as a transfer.</source>
        <translation>L’opération est liée à elle-même comme virement.</translation>
    </message>
    <message>
        <source>The transaction is split but has no split lines.</source>
        <translation>L’opération est ventilée mais n’a aucune ligne de ventilation.</translation>
    </message>
    <message>
        <source>The member %1 holds control characters.</source>
        <translation>Le champ %1 contient des caractères de contrôle.</translation>
    </message>
    <message>
        <source>The category is its own parent.</source>
        <translation>La catégorie est sa propre catégorie parente.</translation>
    </message>
    <message>
        <source>Its transaction was not restored.</source>
        <translation>Son opération n’a pas été restaurée.</translation>
    </message>
    <message>
        <source>The backup unpacks to %1 bytes, more than %2 times the %3 bytes of the file: it is not a backup this program made.</source>
        <translation>La sauvegarde se décompresse en %1 octets, plus de %2 fois les %3 octets du fichier&#xa0;: elle ne vient pas de ce programme.</translation>
    </message>
    <message>
        <source>The backup unpacks to %1 bytes, more than the %2 bytes free on the disk that holds the ledger.</source>
        <translation>La sauvegarde se décompresse en %1 octets, plus que les %2 octets libres sur le disque du registre.</translation>
    </message>
    <message>
        <source>the restore was cancelled</source>
        <translation>la restauration a été annulée</translation>
    </message>
    <message>
        <source>%1: refused: the path leaves its folder</source>
        <translation>%1&#xa0;: refusé&#xa0;: le chemin sort de son dossier</translation>
    </message>
    <message>
        <source>the data as it stands could not be saved to %1 first: %2</source>
        <translation>les données actuelles n&apos;ont pas pu être enregistrées d&apos;abord dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The damaged file could not be moved aside.</source>
        <translation>Le fichier endommagé n&apos;a pas pu être mis de côté.</translation>
    </message>
    <message>
        <source>The new ledger could not be put in place.</source>
        <translation>Le nouveau registre n&apos;a pas pu être mis en place.</translation>
    </message>
    <message>
        <source>The ledger could not be opened for the restore: %1</source>
        <translation>Le registre n&apos;a pas pu être ouvert pour la restauration&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Rechercher des catégories...</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Nouvelle catégorie</translation>
    </message>
    <message>
        <source>The category could not be saved.</source>
        <translation>La catégorie n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message numerus="yes">
        <source>Delete &quot;%1&quot; and its %n sub-categories? Transactions using them will become uncategorized.</source>
        <translation>
            <numerusform>Supprimer «&#xa0;%1&#xa0;» et sa sous-catégorie (%n)&#xa0;? Les opérations qui les utilisent n&apos;auront plus de catégorie.</numerusform>
            <numerusform>Supprimer «&#xa0;%1&#xa0;» et ses %n sous-catégories&#xa0;? Les opérations qui les utilisent n&apos;auront plus de catégorie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»&#xa0;? Les opérations qui utilisent cette catégorie n&apos;auront plus de catégorie.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Supprimer la catégorie</translation>
    </message>
    <message>
        <source>The category could not be deleted.</source>
        <translation>La catégorie n&apos;a pas pu être supprimée.</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>Ajouter une sous-&amp;catégorie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <source>Shared category</source>
        <translation>Catégorie partagée</translation>
    </message>
</context>
<context>
    <name>CategoryComboBox</name>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>Expense</source>
        <translation>Dépense</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenu</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nouvelle sous-catégorie</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Modifier la catégorie</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nom de la catégorie</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>À déclarer aux impôts</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Inclure cette catégorie dans les rapports pour la déclaration d&apos;impôts.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>p. ex. dons_caritatifs, interets_emprunt_immobilier</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>&amp;Code fiscal&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Catégorie &amp;parente&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Dons caritatifs</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Frais médicaux</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Frais professionnels</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Bureau à domicile</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Frais de scolarité</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impôts locaux et régionaux</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intérêts d&apos;emprunt immobilier</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Taxe foncière</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Logement</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Loyer/Mensualité de prêt</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Entretien</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Charges de copropriété</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Énergie et services</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transports</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Crédit auto</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transports en commun</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Courses</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurants et sorties</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Soins personnels</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Cadeaux</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cinéma</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Spectacles et événements</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Achats</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Vêtements</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Électronique</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurances</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Habitation</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Frais et commissions</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Frais bancaires</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Frais de retrait</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Pénalités de retard</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salaires</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendes</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Revenus locatifs</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Travail indépendant / Conseil</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Remboursements</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Cadeaux reçus</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Autres revenus</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
</context>
<context>
    <name>CsvMappingPanel</name>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Correspondance des colonnes CSV&#xa0;:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Colonne de la date&#xa0;:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Colonne du bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Colonne du montant&#xa0;:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Colonne du mémo&#xa0;:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Colonne de la catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Détection automatique</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Mois J, AAAA (May 14, 2026)</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Format de date&#xa0;:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La première ligne est un en-tête</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Choose a date format or type one, such as dd.MM.yyyy</source>
        <translation>Choisissez un format de date ou saisissez-en un, par exemple dd.MM.yyyy</translation>
    </message>
    <message>
        <source>One signed amount column</source>
        <translation>Une colonne de montant signé</translation>
    </message>
    <message>
        <source>Paid-out and paid-in columns</source>
        <translation>Colonnes débit et crédit</translation>
    </message>
    <message>
        <source>Amount and direction column</source>
        <translation>Montant et colonne de sens</translation>
    </message>
    <message>
        <source>Amounts:</source>
        <translation>Montants :</translation>
    </message>
    <message>
        <source>Paid-out column:</source>
        <translation>Colonne débit :</translation>
    </message>
    <message>
        <source>Paid-in column:</source>
        <translation>Colonne crédit :</translation>
    </message>
    <message>
        <source>Direction column:</source>
        <translation>Colonne de sens :</translation>
    </message>
    <message>
        <source>such as Af or debit</source>
        <translation>par ex. Af ou debit</translation>
    </message>
    <message>
        <source>Paid out when it says:</source>
        <translation>Débit quand elle indique :</translation>
    </message>
    <message>
        <source>such as Bij or credit</source>
        <translation>par ex. Bij ou credit</translation>
    </message>
    <message>
        <source>Paid in when it says:</source>
        <translation>Crédit quand elle indique :</translation>
    </message>
    <message>
        <source>Decimal comma (1.234,56)</source>
        <translation>Virgule décimale (1.234,56)</translation>
    </message>
    <message>
        <source>Invert signs</source>
        <translation>Inverser les signes</translation>
    </message>
    <message>
        <source>For card statements that list purchases as positive</source>
        <translation>Pour les relevés de carte qui listent les achats en positif</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Détecter</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgule</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Point-virgule</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Lines to skip:</source>
        <translation>Lignes à ignorer :</translation>
    </message>
    <message>
        <source>Delimiter:</source>
        <translation>Séparateur :</translation>
    </message>
</context>
<context>
    <name>CsvPreviewTable</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Doublon</translation>
    </message>
    <message>
        <source>Invalid: %1</source>
        <translation>Non valide : %1</translation>
    </message>
</context>
<context>
    <name>CsvProfileBar</name>
    <message>
        <source>Rename...</source>
        <translation>Renommer...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil :</translation>
    </message>
    <message>
        <source>Profile &quot;%1&quot; applied: the file has its columns.</source>
        <translation>Profil « %1 » appliqué : le fichier a ses colonnes.</translation>
    </message>
    <message>
        <source>The mapping is kept as profile &quot;%1&quot; for the next file of this layout.</source>
        <translation>La correspondance est gardée comme profil « %1 » pour le prochain fichier de cette disposition.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Rename Profile</source>
        <translation>Renommer le profil</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>The name is empty or another profile of this account has it.</source>
        <translation>Le nom est vide ou un autre profil de ce compte le porte.</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Supprimer le profil</translation>
    </message>
    <message>
        <source>Delete the profile &quot;%1&quot;? Files of its layout will need mapping again.</source>
        <translation>Supprimer le profil « %1 » ? Les fichiers de cette disposition devront être à nouveau mis en correspondance.</translation>
    </message>
</context>
<context>
    <name>DataSettingsPage</name>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Keep your ledgerine in sync across all your devices.</source>
        <translation>Synchronisez votre Ledgerine sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sauvegarde et restauration</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Enregistrez vos données dans un fichier de sauvegarde portable, ou restaurez-les à partir de celui-ci.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Sauvegarder</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Comptes supprimés</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Les comptes que vous avez supprimés peuvent être restaurés ici.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurer la sélection</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Mellowind Account to enable sync.</source>
        <translation>Non connecté.
Connectez-vous via Fichier › Compte Mellowind pour activer la synchronisation.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Connecté en tant que&#xa0;:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;État&#xa0;:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Fichiers ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportation...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sauvegarde terminée</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sauvegarde enregistrée dans&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Échec de la sauvegarde</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Impossible d&apos;écrire dans&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>Restaurer le compte</translation>
    </message>
    <message>
        <source>This account was shared with you, and its owner no longer shares it. Only the owner can bring it back.</source>
        <translation>Ce compte était partagé avec vous et son propriétaire ne le partage plus. Seul le propriétaire peut le rétablir.</translation>
    </message>
    <message>
        <source>The account could not be restored.</source>
        <translation>Le compte n’a pas pu être restauré.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>Mellowind Ledgerine, a check register for household finances. With --import it imports transactions from CSV and QIF files and ends without opening a window.</source>
        <translation>Mellowind Ledgerine, un carnet de comptes pour les finances du foyer. Avec --import, il importe des opérations depuis des fichiers CSV et QIF et se termine sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>The account for CSV files and for QIF files without account blocks. QIF accounts go to the account of the same name (without case).</source>
        <translation>Le compte des fichiers CSV et des fichiers QIF sans bloc de compte. Les comptes QIF vont dans le compte du même nom (sans tenir compte de la casse).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Create missing accounts (in US dollars) instead of skipping their transactions.</source>
        <translation>Créer les comptes manquants (en dollars US) au lieu d&apos;ignorer leurs opérations.</translation>
    </message>
    <message>
        <source>The CSV columns in order: date, payee, amount, memo, category, or - to skip one (default: date,payee,amount).</source>
        <translation>Les colonnes CSV dans l&apos;ordre&#xa0;: date, payee, amount, memo, category, ou - pour en ignorer une (par défaut&#xa0;: date,payee,amount).</translation>
    </message>
    <message>
        <source>LIST</source>
        <translation>LISTE</translation>
    </message>
    <message>
        <source>The CSV files start with a row of column names.</source>
        <translation>Les fichiers CSV commencent par une ligne de noms de colonnes.</translation>
    </message>
    <message>
        <source>The pattern of CSV dates, such as dd/MM/yyyy (default: recognised by itself).</source>
        <translation>Le modèle des dates CSV, par exemple dd/MM/yyyy (par défaut&#xa0;: reconnu automatiquement).</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argument inattendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nothing to import: give --import FILE.</source>
        <translation>Rien à importer&#xa0;: indiquez --import FICHIER.</translation>
    </message>
    <message>
        <source>--csv-columns names date, payee, amount, memo, category or - in order, each once; date, payee and amount are needed.</source>
        <translation>--csv-columns nomme date, payee, amount, memo, category ou -, dans l&apos;ordre et une fois chacun&#xa0;; date, payee et amount sont obligatoires.</translation>
    </message>
    <message>
        <source>CSV files need --account NAME.</source>
        <translation>Les fichiers CSV nécessitent --account NOM.</translation>
    </message>
    <message>
        <source>The database in %1 could not be opened.
</source>
        <translation>Impossible d&apos;ouvrir la base de données dans %1.
</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) not imported: they belong to no account here.</source>
        <translation>
            <numerusform>%n opération non importée : elle n’appartient à aucun compte ici.</numerusform>
            <numerusform>%n opérations non importées : elles n’appartiennent à aucun compte ici.</numerusform>
        </translation>
    </message>
    <message>
        <source>No account is named &quot;%1&quot;; --create-accounts creates it.</source>
        <translation>Aucun compte ne s’appelle « %1 » ; --create-accounts le crée.</translation>
    </message>
    <message>
        <source>Nothing was imported: no row could be read.</source>
        <translation>Rien n’a été importé : aucune ligne n’a pu être lue.</translation>
    </message>
    <message>
        <source>The ledger in %1 is read-only: nothing was imported.
</source>
        <translation>Le registre de %1 est en lecture seule&#xa0;: rien n&apos;a été importé.
</translation>
    </message>
    <message>
        <source>Import FILE: an OFX or QFX statement, a QIF file (.qif) or a comma-separated file. Repeat for several files; QIF files are imported together, so transfers between them are linked.</source>
        <translation>Importer FICHIER : un relevé OFX ou QFX, un fichier QIF (.qif) ou un fichier CSV. Répétez pour plusieurs fichiers ; les fichiers QIF sont importés ensemble, de sorte que les virements entre eux sont liés.</translation>
    </message>
    <message>
        <source>The CSV delimiter: comma, semicolon, tab or | (default: recognised from the first lines).</source>
        <translation>Le séparateur CSV : comma, semicolon, tab ou | (par défaut : reconnu d’après les premières lignes).</translation>
    </message>
    <message>
        <source>DELIMITER</source>
        <translation>SÉPARATEUR</translation>
    </message>
    <message>
        <source>CSV amounts are written 1.234,56.</source>
        <translation>Les montants CSV s’écrivent 1.234,56.</translation>
    </message>
    <message>
        <source>The column of amounts paid out, counted from 1 (with --credit-column instead of an amount column).</source>
        <translation>La colonne des débits, comptée à partir de 1 (avec --credit-column au lieu d’une colonne de montant).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>The column of amounts paid in, counted from 1.</source>
        <translation>La colonne des crédits, comptée à partir de 1.</translation>
    </message>
    <message>
        <source>The column that says whether the amount is paid out or in, counted from 1 (with --out-value and --in-value).</source>
        <translation>La colonne qui indique si le montant est un débit ou un crédit, comptée à partir de 1 (avec --out-value et --in-value).</translation>
    </message>
    <message>
        <source>The direction column&apos;s value for money paid out, such as Af or debit.</source>
        <translation>La valeur de la colonne de sens pour les débits, par ex. Af ou debit.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTE</translation>
    </message>
    <message>
        <source>The direction column&apos;s value for money paid in, such as Bij or credit.</source>
        <translation>La valeur de la colonne de sens pour les crédits, par ex. Bij ou credit.</translation>
    </message>
    <message>
        <source>Turn the signs of CSV amounts round (card statements that list purchases as positive).</source>
        <translation>Inverser le signe des montants CSV (relevés de carte qui listent les achats en positif).</translation>
    </message>
    <message>
        <source>Lines to skip at the start of CSV files, before the table.</source>
        <translation>Lignes à ignorer au début des fichiers CSV, avant le tableau.</translation>
    </message>
    <message>
        <source>Columns are counted from 1; --direction-column needs --out-value and --in-value; --delimiter is comma, semicolon, tab or |.</source>
        <translation>Les colonnes se comptent à partir de 1 ; --direction-column demande --out-value et --in-value ; --delimiter vaut comma, semicolon, tab ou |.</translation>
    </message>
    <message>
        <source>Read CSV files by the account&apos;s profile of this name, as kept by the import window. Without it and without CSV options, the profile that fits the file is used.</source>
        <translation>Lire les fichiers CSV selon le profil de ce nom du compte, gardé par la fenêtre d’importation. Sans cette option ni options CSV, le profil qui correspond au fichier est utilisé.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; has no CSV profile named &quot;%2&quot;.</source>
        <translation>Le compte « %1 » n’a pas de profil CSV nommé « %2 ».</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
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
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Compte&#xa0;:</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Aucun fichier sélectionné</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Sélectionner un fichier</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Sélectionner un ou plusieurs fichiers QIF</translation>
    </message>
    <message>
        <source>QIF Files (*.qif);;All Files (*)</source>
        <translation>Fichiers QIF (*.qif);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analyse du ou des fichiers QIF...</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n fichier sélectionné</numerusform>
            <numerusform>%n fichiers sélectionnés</numerusform>
        </translation>
    </message>
    <message>
        <source>The selected file(s) hold no transactions to import.</source>
        <translation>Le ou les fichiers sélectionnés ne contiennent aucune opération à importer.</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Aucun compte de destination</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Choisissez le compte dans lequel importer, ou créez-en un maintenant.</translation>
    </message>
    <message>
        <source>The account could not be saved.</source>
        <translation>Le compte n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Importation annulée.</translation>
    </message>
    <message>
        <source>Nothing was imported: every change of this import was rolled back.</source>
        <translation>Rien n&apos;a été importé&#xa0;: toutes les modifications de cette importation ont été annulées.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Échec de l&apos;importation.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Importation terminée&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n opération importée</numerusform>
            <numerusform>%n opérations importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n virement lié entre comptes</numerusform>
            <numerusform>%n virements liés entre comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (dont %n lié à une ligne importée précédemment)</numerusform>
            <numerusform>  (dont %n liés à des lignes importées précédemment)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n doublon ignoré</numerusform>
            <numerusform>%n doublons ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (illisible)</numerusform>
            <numerusform>%n enregistrements ignorés (illisibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n enregistrement de métadonnées ignoré</numerusform>
            <numerusform>%n enregistrements de métadonnées ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (compte source sans correspondance)</numerusform>
            <numerusform>%n enregistrements ignorés (compte source sans correspondance)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (erreur de base de données — voir le journal)</numerusform>
            <numerusform>%n enregistrements ignorés (erreur de base de données — voir le journal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split(s) adjusted: their lines did not add up to the amount, so an &quot;Uncategorized&quot; line holds the difference</source>
        <translation>
            <numerusform>%n ventilation ajustée : ses lignes n’atteignaient pas le montant, une ligne « Sans catégorie » porte donc la différence</numerusform>
            <numerusform>%n ventilations ajustées : leurs lignes n’atteignaient pas le montant, une ligne « Sans catégorie » porte donc la différence</numerusform>
        </translation>
    </message>
    <message>
        <source>OFX/QFX</source>
        <translation>OFX/QFX</translation>
    </message>
    <message>
        <source>Select OFX File</source>
        <translation>Choisir un fichier OFX</translation>
    </message>
    <message>
        <source>OFX Files (*.ofx *.qfx);;All Files (*)</source>
        <translation>Fichiers OFX (*.ofx *.qfx);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1: the bank&apos;s balance on %2 is %3; the register&apos;s is %4.</source>
        <translation>%1 : le solde de la banque au %2 est de %3 ; celui du registre est de %4.</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Rapprocher...</translation>
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
        <translation>%1 (sans en-tête de compte)</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Opération importée</translation>
    </message>
    <message>
        <source>Uncategorized</source>
        <translation>Sans catégorie</translation>
    </message>
    <message numerus="yes">
        <source>No row has the %n columns the mapping needs; is the delimiter right?</source>
        <translation>
            <numerusform>Aucune ligne n’a la %n colonne dont la correspondance a besoin ; le séparateur est-il le bon ?</numerusform>
            <numerusform>Aucune ligne n’a les %n colonnes dont la correspondance a besoin ; le séparateur est-il le bon ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>Rien n’a été importé : %1.</translation>
    </message>
    <message>
        <source>Nothing was imported: the import could not be completed (%1).</source>
        <translation>Rien n’a été importé : l’importation n’a pas pu aboutir (%1).</translation>
    </message>
    <message>
        <source>Nothing was imported: the import was cancelled.</source>
        <translation>Rien n’a été importé : l’importation a été annulée.</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, ligne %2</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>%1 is not a complete OFX file (%2): nothing was imported.</source>
        <translation>%1 n’est pas un fichier OFX complet (%2) : rien n’a été importé.</translation>
    </message>
    <message>
        <source>%1, account %2</source>
        <translation>%1, compte %2</translation>
    </message>
    <message>
        <source>The statement of account %1 is in %2, but %3 is kept in %4: nothing of it was imported.</source>
        <translation>Le relevé du compte %1 est en %2, mais %3 est tenu en %4 : rien n’en a été importé.</translation>
    </message>
    <message>
        <source>The statement of account %1 is in %2, a currency this program does not keep: nothing of it was imported.</source>
        <translation>Le relevé du compte %1 est en %2, une devise que ce programme ne tient pas : rien n’en a été importé.</translation>
    </message>
    <message numerus="yes">
        <source>the row has %n column(s), the mapping needs %1</source>
        <translation>
            <numerusform>la ligne a %n colonne, la correspondance en demande %1</numerusform>
            <numerusform>la ligne a %n colonnes, la correspondance en demande %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the date does not read</source>
        <translation>la date est illisible</translation>
    </message>
    <message>
        <source>the amount does not read</source>
        <translation>le montant est illisible</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nouvelle opération</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nouveau &amp;compte</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Compte</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renommer les &amp;bénéficiaires...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Rapports</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>&amp;Opérations récurrentes</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>&amp;Catégories</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About Mellowind Ledgerine</source>
        <translation>À &amp;propos de Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Nouveautés...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Rechercher des &amp;mises à jour...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Envoyer des &amp;commentaires...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Charger les &amp;données d&apos;exemple</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Effacer les données d&apos;exemple</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Gérer votre compte</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Se connecter ou créer un compte</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nouveau compte...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Modifier «&#xa0;%1&#xa0;»...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renommer les bénéficiaires...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Enregistrer l&apos;opération</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>Insérer une nouvelle opération</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Supprimer l&apos;opération en cours</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Champ suivant / précédent</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (apostrophe)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Copier la valeur du champ au-dessus</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>Champ de date</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Jour suivant / précédent</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Premier / dernier jour du mois</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Premier / dernier jour de l&apos;année</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Premier / dernier jour de la semaine</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Comptes</translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation>Passer au compte 1&amp;ndash;9</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Passer au compte 10</translation>
    </message>
    <message>
        <source>About Mellowind Ledgerine</source>
        <translation>À propos de Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Mellowind Ledgerine&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A check register for household finances that keeps its data on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Mellowind Ledgerine&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Un carnet de comptes pour les finances du foyer, qui conserve ses données sur cet ordinateur.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>&amp;Mellowind Account...</source>
        <translation>Compte &amp;Mellowind...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Partager...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Partager...</translation>
    </message>
    <message>
        <source>Import &amp;Backup...</source>
        <translation>Restaurer une &amp;sauvegarde...</translation>
    </message>
    <message>
        <source>Transaction details</source>
        <translation>Détails de l&apos;opération</translation>
    </message>
    <message>
        <source>Memorize as a recurring transaction</source>
        <translation>Mémoriser comme opération récurrente</translation>
    </message>
    <message>
        <source>Edit the current field</source>
        <translation>Modifier le champ actuel</translation>
    </message>
    <message>
        <source>Open the calendar</source>
        <translation>Ouvrir le calendrier</translation>
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
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Sélectionnez d&apos;abord un compte</translation>
    </message>
    <message>
        <source>The account could not be saved</source>
        <translation>Le compte n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»&#xa0;?

Toutes les opérations, opérations récurrentes et l&apos;historique des rapprochements de ce compte seront supprimés. Vous pourrez le restaurer depuis Préférences → Données.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>The account could not be deleted</source>
        <translation>Le compte n&apos;a pas pu être supprimé</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Rapprochement — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Données d&apos;exemple</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Les données d&apos;exemple sont déjà chargées.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation>Les données d&apos;exemple n&apos;ont pas pu être chargées.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Données d&apos;exemple chargées</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Aucune donnée d&apos;exemple à effacer.</translation>
    </message>
    <message>
        <source>The sample data could not be cleared.</source>
        <translation>Les données d&apos;exemple n&apos;ont pas pu être effacées.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Données d&apos;exemple effacées</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Connexion requise</translation>
    </message>
    <message>
        <source>Sharing requires a Mellowind account.</source>
        <translation>Le partage nécessite un compte Mellowind.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine (damaged ledger)</source>
        <translation>Mellowind Ledgerine (registre endommagé)</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine (read-only)</source>
        <translation>Mellowind Ledgerine (lecture seule)</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Erreur de base de données</translation>
    </message>
    <message>
        <source>Import Backup...</source>
        <translation>Restaurer une sauvegarde...</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountDataPage</name>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Données et confidentialité</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Zone de danger</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Supprimez définitivement votre compte. Passé 30 jours, cette action est irréversible.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Vous êtes le propriétaire du groupe. Transférez la propriété ou retirez tous les membres avant de supprimer votre compte.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Votre compte sera supprimé définitivement au bout de 30 jours.

Saisissez DELETE pour confirmer&#xa0;:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>Impossible de supprimer le compte.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Suppression du compte programmée</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Votre compte sera définitivement supprimé dans 30 jours. Vous pouvez le récupérer en vous connectant d&apos;ici là.</translation>
    </message>
    <message>
        <source>Your account details could not be loaded.</source>
        <translation>Les détails de votre compte n&apos;ont pas pu être chargés.</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountDevicesPage</name>
    <message>
        <source>Registered Devices</source>
        <translation>Appareils enregistrés</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Appareils qui se sont synchronisés avec votre compte.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>Aucun appareil enregistré.</translation>
    </message>
    <message>
        <source>v%1</source>
        <translation>v%1</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Appareil inconnu</translation>
    </message>
    <message>
        <source>This device</source>
        <translation>Cet appareil</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Retirer l&apos;appareil</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>Retirer %1&#xa0;?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Appareil retiré.</translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation>Impossible de retirer l&apos;appareil.</translation>
    </message>
    <message>
        <source>Your devices could not be loaded.</source>
        <translation>Vos appareils n&apos;ont pas pu être chargés.</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountGroupPage</name>
    <message>
        <source>No Group</source>
        <translation>Aucun groupe</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>Vous ne faites partie d&apos;aucun groupe. Le propriétaire d&apos;un groupe peut vous inviter, ou vous pouvez en rejoindre un avec un code d&apos;invitation.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Rejoindre avec un code d&apos;invitation</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 places utilisées sur %2</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membres</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Invitations en attente</translation>
    </message>
    <message>
        <source>No pending invitations.</source>
        <translation>Aucune invitation en attente.</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Inviter des membres</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Inviter par e-mail</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Générer un code d&apos;invitation</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Quitter le groupe</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Code d&apos;invitation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Révoquer</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Rejoindre un groupe</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Saisissez le code d&apos;invitation&#xa0;:</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Groupe rejoint.</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Code d&apos;invitation non valide ou expiré.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Retirer le membre</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>Retirer %1 du groupe&#xa0;?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 ne fait plus partie du groupe.</translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation>Impossible de retirer %1.</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Invitation révoquée.</translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation>Impossible de révoquer l&apos;invitation.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>Adresse e-mail&#xa0;:</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Invitation envoyée.</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>Impossible d&apos;envoyer l&apos;invitation.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>Impossible de générer le code.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Code d&apos;invitation</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Communiquez ce code à la personne que vous souhaitez inviter&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Quitter ce groupe&#xa0;? Vous perdrez l&apos;accès aux données partagées.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Vous avez quitté le groupe.</translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation>Impossible de quitter le groupe.</translation>
    </message>
    <message>
        <source>Your group could not be loaded.</source>
        <translation>Votre groupe n&apos;a pas pu être chargé.</translation>
    </message>
    <message>
        <source>Start a Household</source>
        <translation>Créer un foyer</translation>
    </message>
    <message>
        <source>Share accounts with the people you live with. Your household is created with the first invitation, and you are its owner.</source>
        <translation>Partagez des comptes avec les personnes qui vivent avec vous. Votre foyer est créé avec la première invitation, et vous en êtes le propriétaire.</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountProfilePage</name>
    <message>
        <source>Personal Information</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Nom affiché&#xa0;:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail&#xa0;:</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Modifier le nom affiché</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(non défini)</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Nom affiché mis à jour.</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>Impossible de mettre à jour le profil.</translation>
    </message>
    <message>
        <source>Your profile could not be loaded.</source>
        <translation>Votre profil n&apos;a pas pu être chargé.</translation>
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
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Actif maintenant</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>il y a %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>il y a %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>il y a %1 j</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Données et confidentialité</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountSecurityPage</name>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Modifiez le mot de passe de votre compte.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Sessions actives</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sessions actuellement connectées à votre compte.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Mot de passe actuel&#xa0;:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Nouveau mot de passe (8 caractères min.)&#xa0;:</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>Le mot de passe doit contenir au moins 8 caractères.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Confirmer le nouveau mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Mot de passe modifié.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>Impossible de modifier le mot de passe.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>Aucune session active.</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Client inconnu</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Cette session</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actuelle</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Révoquer</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Session révoquée.</translation>
    </message>
    <message>
        <source>Failed to revoke session.</source>
        <translation>Impossible de révoquer la session.</translation>
    </message>
    <message>
        <source>Your sessions could not be loaded.</source>
        <translation>Vos sessions n&apos;ont pas pu être chargées.</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Impossible de partager le compte (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>MellAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>Impossible de démarrer le serveur d&apos;authentification local</translation>
    </message>
    <message>
        <source>Sign-in timed out</source>
        <translation>Délai de connexion dépassé</translation>
    </message>
    <message>
        <source>The web browser could not be opened</source>
        <translation>Le navigateur web n&apos;a pas pu être ouvert</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>Aucun jeton reçu</translation>
    </message>
    <message>
        <source>the answer did not come from this sign-in.</source>
        <translation>la réponse ne provient pas de cette connexion.</translation>
    </message>
</context>
<context>
    <name>MellAccount::Client</name>
    <message>
        <source>No sync server is set. Enter its address in Edit › Preferences › Data &amp; Sync › Sync server, or set AUTH_BASE_URL, ACCOUNT_API_URL and SYNC_API_URL in the environment.</source>
        <translation>Aucun serveur de synchronisation n&apos;est défini. Saisissez son adresse dans Modifier › Préférences › Données › Serveur de synchronisation, ou définissez AUTH_BASE_URL, ACCOUNT_API_URL et SYNC_API_URL dans l&apos;environnement.</translation>
    </message>
</context>
<context>
    <name>MellAccount::ServerDiscovery</name>
    <message>
        <source>This is not a web address.</source>
        <translation>Ce n&apos;est pas une adresse web.</translation>
    </message>
    <message>
        <source>Plain http is only for a server on this computer; use https.</source>
        <translation>Le http non chiffré est réservé à un serveur sur cet ordinateur&#xa0;; utilisez https.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Le serveur a répondu avec le statut HTTP %1.</translation>
    </message>
    <message>
        <source>Nothing answered at this address.</source>
        <translation>Rien n&apos;a répondu à cette adresse.</translation>
    </message>
    <message>
        <source>The answer does not come from a Mellowind Ledgerine sync server.</source>
        <translation>La réponse ne vient pas d&apos;un serveur de synchronisation Mellowind Ledgerine.</translation>
    </message>
</context>
<context>
    <name>MellAccount::ShareMembersDialog</name>
    <message>
        <source>Share Account</source>
        <translation>Partager le compte</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Partage&#xa0;: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Mellowind family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Partagez ce compte avec les membres de votre groupe familial Mellowind. Ils verront le même registre, les mêmes soldes et le même historique des rapprochements sur leurs appareils.</translation>
    </message>
    <message>
        <source>People with access</source>
        <translation>Personnes ayant accès</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Ajouter des personnes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>This account has not been synchronised yet. Sync it once, then share it.</source>
        <translation>Ce compte n&apos;a pas encore été synchronisé. Synchronisez-le une première fois, puis partagez-le.</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Ce compte n&apos;est encore partagé avec personne.</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Retirer l&apos;accès</translation>
    </message>
    <message>
        <source>You&apos;re not in a group yet. Invite people from the Group page of your Mellowind account.</source>
        <translation>Vous ne faites encore partie d&apos;aucun groupe. Invitez des personnes depuis la page Groupe de votre compte Mellowind.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Tous les membres du groupe ont déjà accès</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Impossible de partager avec %1.</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>Retirer l&apos;accès&#xa0;?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 n&apos;aura plus accès. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Impossible de retirer %1.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Only the owner of this account can give others access.</source>
        <translation>Seul le propriétaire de ce compte peut donner accès à d&apos;autres personnes.</translation>
    </message>
</context>
<context>
    <name>MellAccount::WebAuthHandler</name>
    <message>
        <source>Request too long</source>
        <translation>Requête trop longue</translation>
    </message>
    <message>
        <source>Bad request</source>
        <translation>Requête incorrecte</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Non autorisé</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Finishing sign-in...</source>
        <translation>Finalisation de la connexion...</translation>
    </message>
    <message>
        <source>Turn on JavaScript for this page to finish signing in.</source>
        <translation>Activez JavaScript pour cette page afin de terminer la connexion.</translation>
    </message>
    <message>
        <source>You&apos;re signed in</source>
        <translation>Vous êtes connecté</translation>
    </message>
    <message>
        <source>You can close this tab and return to Mellowind Ledgerine.</source>
        <translation>Vous pouvez fermer cet onglet et revenir à Mellowind Ledgerine.</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>Return to Mellowind Ledgerine to try again.</source>
        <translation>Revenez à Mellowind Ledgerine pour réessayer.</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine</source>
        <translation>Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>You can close this tab.</source>
        <translation>Vous pouvez fermer cet onglet.</translation>
    </message>
</context>
<context>
    <name>MellUpdate::UpdateCommands</name>
    <message>
        <source>This build has no update server configured</source>
        <translation>Aucun serveur de mises à jour n&apos;est configuré pour cette version</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 est à jour (version %2)</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Aucune note de version disponible pour %1 %2</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection to the internet and try again.</source>
        <translation>Impossible de joindre le serveur de mises à jour. Vérifiez la connexion à Internet et réessayez.</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read. Try again later.</source>
        <translation>La réponse du serveur de mises à jour est illisible. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>The latest version cannot be installed over version %1. Install version %2 first.</source>
        <translation>La dernière version ne peut pas être installée par-dessus la version %1. Installez d&apos;abord la version %2.</translation>
    </message>
    <message>
        <source>This build&apos;s update server address is not valid.</source>
        <translation>L&apos;adresse du serveur de mises à jour de cette version n&apos;est pas valide.</translation>
    </message>
</context>
<context>
    <name>MellUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Une nouvelle version de %1 est disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Vous avez la version %1. La dernière version est la %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Les notes de version ne sont pas disponibles pour cette version.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
</context>
<context>
    <name>MellUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Vous utilisez la version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Télécharger %1</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>Amounts are limited to %1</source>
        <translation>Les montants sont limités à %1</translation>
    </message>
    <message>
        <source>Yen amounts have no decimals</source>
        <translation>Les montants en yens n&apos;ont pas de décimales</translation>
    </message>
</context>
<context>
    <name>NoAccountsPage</name>
    <message>
        <source>Welcome to Mellowind Ledgerine</source>
        <translation>Bienvenue dans Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Créez votre premier compte pour commencer.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Créer un compte</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Renommer la sélection</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Fusionner la sélection</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Renommer en&#xa0;:</translation>
    </message>
    <message>
        <source>Similar</source>
        <translation>Semblable</translation>
    </message>
    <message>
        <source>Differs only in case or spaces from: %1</source>
        <translation>Ne diffère que par la casse ou les espaces de&#xa0;: %1</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Échec de la fusion</translation>
    </message>
    <message>
        <source>The payees could not be merged; nothing was changed.</source>
        <translation>Les bénéficiaires n&apos;ont pas pu être fusionnés&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <source>The payees could not be renamed; nothing was changed.</source>
        <translation>Les bénéficiaires n&apos;ont pas pu être renommés&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Fusion terminée</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n opération fusionnée.</numerusform>
            <numerusform>%n opérations fusionnées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Renommage terminé</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n opération renommée.</numerusform>
            <numerusform>%n opérations renommées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Sélectionnez au moins 2 bénéficiaires à fusionner.</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>Fusionner %1 bénéficiaires en «&#xa0;%2&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Fusionner les bénéficiaires</translation>
    </message>
</context>
<context>
    <name>QifMappingPanel</name>
    <message>
        <source>QIF source accounts:</source>
        <translation>Comptes sources QIF&#xa0;:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Choisissez où importer chaque compte Quicken. Les virements entre comptes associés dans les fichiers sélectionnés seront liés automatiquement.</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Créer le compte «&#xa0;%1&#xa0;» —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Ignorer ces opérations —</translation>
    </message>
    <message>
        <source>Statements:</source>
        <translation>Relevés :</translation>
    </message>
    <message>
        <source>Choose the account each statement goes to. The next statement of the same bank account goes there by itself.</source>
        <translation>Choisissez le compte de chaque relevé. Le prochain relevé du même compte bancaire y ira de lui-même.</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Rapprochements précédents de ce compte.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Date du relevé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Solde rapproché</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Effectué le</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aucun rapprochement pour l&apos;instant. Rapprochez votre compte depuis le registre pour voir l&apos;historique ici.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historique des rapprochements — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>P</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Date du relevé&#xa0;:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Solde du relevé&#xa0;:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Solde précédent</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Crédits pointés</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Débits pointés</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Solde pointé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Terminer le rapprochement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Ajouter une opération</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Ajouter une opération (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Modifier l&apos;opération sélectionnée (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Supprimer l&apos;opération sélectionnée (Suppr)</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Rapprochement terminé</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Le compte a bien été rapproché.</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved.</source>
        <translation>Le rapprochement n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Supprimer l&apos;opération «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>L&apos;opération n&apos;a pas pu être supprimée.</translation>
    </message>
</context>
<context>
    <name>RecordRules</name>
    <message>
        <source>The date is not a valid date.</source>
        <translation>La date n’est pas une date valide.</translation>
    </message>
    <message>
        <source>The date %1 is not between the years 1900 and 2100.</source>
        <translation>La date %1 n’est pas comprise entre les années 1900 et 2100.</translation>
    </message>
    <message>
        <source>The payee is longer than %1 characters.</source>
        <translation>Le bénéficiaire dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>The memo is longer than %1 characters.</source>
        <translation>Le mémo dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>The category name is longer than %1 characters.</source>
        <translation>Le nom de la catégorie dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>The check number is longer than %1 characters.</source>
        <translation>Le numéro de chèque dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>The split has %1 lines; a transaction has at most %2.</source>
        <translation>La ventilation a %1 lignes ; une opération en a au plus %2.</translation>
    </message>
</context>
<context>
    <name>RecurringAutoPoster</name>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n opération récurrente passée automatiquement</numerusform>
            <numerusform>%n opérations récurrentes passées automatiquement</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Toutes les deux semaines</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nouvelle opération récurrente</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Modifier l&apos;opération récurrente</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Mémoriser l&apos;opération</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Commencez à taper pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Passer automatiquement à l&apos;échéance</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo&#xa0;:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Fréquence&#xa0;:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Date de début&#xa0;:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Date de fin&#xa0;:</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Prochaine échéance</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmer toutes les échéances</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nouvelle récurrence</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 à échéance)</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>L&apos;opération récurrente n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>Its next due date is not a valid date, so it has been made inactive. Edit its start date to use it again.</source>
        <translation>Sa prochaine échéance n&apos;est pas une date valide&#xa0;; elle a donc été désactivée. Modifiez sa date de début pour l&apos;utiliser à nouveau.</translation>
    </message>
    <message>
        <source>The transaction for this date is already in the register. Skip it to move on to the next date.</source>
        <translation>L&apos;opération de cette date figure déjà dans le registre. Ignorez-la pour passer à la date suivante.</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency.</source>
        <translation>Les virements exigent que les deux comptes utilisent la même devise.</translation>
    </message>
    <message>
        <source>The account it transfers to no longer exists.</source>
        <translation>Le compte vers lequel elle effectue le virement n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>L&apos;opération n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>Not Posted</source>
        <translation>Non passée</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not posted.

%2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas été passée.

%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Supprimer l&apos;opération récurrente «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmer</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>No recurring transactions were posted: %1.</source>
        <translation>Aucune opération récurrente n’a été passée : %1.</translation>
    </message>
</context>
<context>
    <name>RegisterColumnLayout</name>
    <message>
        <source>Show columns</source>
        <translation>Afficher les colonnes</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Réinitialiser la disposition du registre</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>N° chèque</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Bénéficiaire / Mémo</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilée—</translation>
    </message>
    <message>
        <source>C</source>
        <comment>Clr mark of a cleared transaction</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>R</source>
        <comment>Clr mark of a reconciled transaction</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>Changed on this computer and on another one. Right-click to choose which version to keep.</source>
        <translation>Modifié sur cet ordinateur et sur un autre. Cliquez avec le bouton droit pour choisir la version à garder.</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>The transaction could not be saved</source>
        <translation>L&apos;opération n&apos;a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  &apos;: copy above</source>
        <translation>%1&#xa0;: enregistrer  |  Entrée&#xa0;: suivant  |  %2&#xa0;: supprimer  |  &apos;&#xa0;: copier au-dessus</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1&#xa0;: enregistrer  |  Entrée&#xa0;: suivant  |  %2&#xa0;: supprimer  |  %3&#xa0;: mémoriser  |  &apos;&#xa0;: copier au-dessus</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Rapprocher</translation>
    </message>
    <message>
        <source>The database could not be read; the register is left empty.</source>
        <translation>La base de données n&apos;a pas pu être lue&#xa0;; le registre reste vide.</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Champs effacés</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insérer une nouvelle opération</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nouvelle opération...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Afficher les &amp;détails...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Modifier la &amp;ventilation...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>&amp;Modifier dans une fenêtre...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marquer comme n&amp;on pointée</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marquer comme &amp;pointée</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Saisissez un montant au débit ou au crédit</translation>
    </message>
    <message>
        <source>%1 is not an amount</source>
        <translation>%1 n&apos;est pas un montant</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>Saisissez une date valide</translation>
    </message>
    <message>
        <source>No category named &quot;%1&quot;</source>
        <translation>Aucune catégorie nommée «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Compte de virement introuvable</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Les virements exigent que les deux comptes utilisent la même devise</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>Supprimer «&#xa0;%1&#xa0;» (%2)&#xa0;?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Supprimer le virement «&#xa0;%1&#xa0;» (%2)&#xa0;?

Les deux côtés du virement seront supprimés.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Impossible de mémoriser&#xa0;: l&apos;opération source a une date non valide</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Opération mémorisée comme opération récurrente</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>L&apos;opération récurrente n&apos;a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>Reconciled Transaction</source>
        <translation>Opération rapprochée</translation>
    </message>
    <message>
        <source>This transaction is reconciled. Change it anyway?</source>
        <translation>Cette opération est rapprochée. La modifier quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>Opération non enregistrée</translation>
    </message>
    <message>
        <source>Save the transaction you are entering?</source>
        <translation>Enregistrer l&apos;opération en cours de saisie&#xa0;?</translation>
    </message>
    <message>
        <source>Resolve Sync &amp;Conflict...</source>
        <translation>Résoudre le &amp;conflit de synchronisation...</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Sans catégorie</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Période 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Période 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointé</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Synthèse par bénéficiaire</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Rapport fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Revenus et dépenses</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Comparaison annuelle</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Synthèse des comptes</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mois dernier</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Ce trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre dernier</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Année dernière</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>90 derniers jours</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Toute la période</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>Show Chart</source>
        <translation>Afficher le graphique</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Période&#xa0;:</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Cette année / année dernière</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Année dernière / année précédente</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Ce trimestre / trimestre dernier</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparer&#xa0;:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1&#xa0;:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2&#xa0;:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>All %1 accounts</source>
        <translation>Tous les comptes en %1</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>P1&#xa0;: %1 – %2    P2&#xa0;: %3 – %4</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investissement</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilée—</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Échec de l&apos;exportation</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Impossible d&apos;écrire dans&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Show More</source>
        <translation>Afficher plus</translation>
    </message>
    <message>
        <source>Rows: %1 of %2 · Total: %3</source>
        <translation>Lignes&#xa0;: %1 sur %2 · Total&#xa0;: %3</translation>
    </message>
    <message>
        <source>Rows: %1 · Total: %2</source>
        <translation>Lignes&#xa0;: %1 · Total&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RestoreFlow</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Fichiers ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l&apos;importation</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>Restoring the backup...</source>
        <translation>Restauration de la sauvegarde...</translation>
    </message>
    <message>
        <source>Finishing the restore...</source>
        <translation>Fin de la restauration...</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>Import Cancelled</source>
        <translation>Importation annulée</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>Éléments importés&#xa0;: %1, ignorés&#xa0;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n erreur s&apos;est produite.</numerusform>
            <numerusform>

%n erreurs se sont produites.</numerusform>
        </translation>
    </message>
    <message>
        <source>The restore was cancelled; nothing was changed.</source>
        <translation>La restauration a été annulée&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>

Your data as it was before the import is saved in:
%1</source>
        <translation>

Vos données telles qu&apos;elles étaient avant l&apos;importation sont enregistrées dans&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Making a new ledger from the backup...</source>
        <translation>Création d&apos;un nouveau registre à partir de la sauvegarde...</translation>
    </message>
    <message>
        <source>No new ledger was made, and the damaged file is as it was.

%1</source>
        <translation>Aucun nouveau registre n&apos;a été créé, et le fichier endommagé est resté tel quel.

%1</translation>
    </message>
    <message>
        <source>A new ledger was made from the backup: %1 items.

The damaged file was kept as:
%2</source>
        <translation>Un nouveau registre a été créé à partir de la sauvegarde&#xa0;: %1 éléments.

Le fichier endommagé a été conservé sous&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>RestoreModeDialog</name>
    <message>
        <source>Import Mode</source>
        <translation>Mode d&apos;importation</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Que faire des données existantes&#xa0;?</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Tout remplacer par les données de la sauvegarde</translation>
    </message>
    <message>
        <source>Every item in the backup overwrites the same item here, and items deleted since the backup come back. Items that are not in the backup are kept.</source>
        <translation>Chaque élément de la sauvegarde remplace le même élément ici, et les éléments supprimés depuis la sauvegarde reviennent. Les éléments absents de la sauvegarde sont conservés.</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Garder la plus récente (comparer les horodatages)</translation>
    </message>
    <message>
        <source>An item in the backup overwrites the same item here only when it was changed later. Items deleted here stay deleted.</source>
        <translation>Un élément de la sauvegarde remplace le même élément ici seulement s&apos;il a été modifié plus tard. Les éléments supprimés ici restent supprimés.</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Ignorer les éléments existants</translation>
    </message>
    <message>
        <source>Only items that are not here at all are added; nothing here changes, and items deleted here stay deleted.</source>
        <translation>Seuls les éléments absents d&apos;ici sont ajoutés&#xa0;; rien ne change ici, et les éléments supprimés ici restent supprimés.</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Compte courant principal</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Caisse Riverbend</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Livret d&apos;épargne</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Carte Visa</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>Banque Summit</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Rechercher un bénéficiaire, un mémo, un numéro de chèque...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Période&#xa0;:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Pointées uniquement</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucun résultat</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Control how Mellowind Ledgerine looks.</source>
        <translation>Choisissez l&apos;apparence de Mellowind Ledgerine.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Selon le système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Theme:</source>
        <translation>Thème&#xa0;:</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Très grande</translation>
    </message>
    <message>
        <source>Font size:</source>
        <translation>Taille de police&#xa0;:</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Options régionales</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Préférences de date et de calendrier.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Week starts on:</source>
        <translation>Début de semaine&#xa0;:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Présentation des opérations dans le registre.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Opérations sur deux lignes</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Afficher le mémo sur une deuxième ligne, sous le bénéficiaire.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Choisissez l&apos;ordre des opérations dans le registre.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Opérations récentes en premier</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si cette option est activée, les opérations les plus récentes apparaissent en haut.</translation>
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
        <translation>Un carnet de comptes pour les finances du foyer&#xa0;: comptes, catégories, rapprochement, opérations récurrentes et rapports, conservés dans un seul fichier sur votre ordinateur.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Help and support</source>
        <translation>Aide et assistance</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <source>© Mellowind. All rights reserved.</source>
        <translation>© Mellowind. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Langue modifiée</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Mellowind Ledgerine.</source>
        <translation>La nouvelle langue sera appliquée au prochain démarrage de Mellowind Ledgerine.</translation>
    </message>
    <message>
        <source>Language default (%1)</source>
        <translation>Celui de la langue (%1)</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Format de date&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SignInActions</name>
    <message>
        <source>Signed in successfully</source>
        <translation>Connexion réussie</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Échec de la connexion&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Waiting for you to sign in with your web browser...</source>
        <translation>En attente de votre connexion dans le navigateur web...</translation>
    </message>
    <message>
        <source>Signed out</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Mellowind Account</source>
        <translation>Compte Mellowind</translation>
    </message>
    <message>
        <source>The system keyring did not answer in time: you are signed out for now.</source>
        <translation>Le trousseau du système n&apos;a pas répondu à temps : vous êtes déconnecté pour le moment.</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Ventiler l&apos;opération</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total&#xa0;: %1</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Ajouter une ligne</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Supprimer</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Restant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Line %1 has an amount but no category.

Choose a category from the list for every line with an amount.</source>
        <translation>La ligne %1 a un montant mais pas de catégorie.

Choisissez une catégorie dans la liste pour chaque ligne ayant un montant.</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n compte</numerusform>
            <numerusform>%n comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n récurrente à échéance</numerusform>
            <numerusform>  •  %n récurrentes à échéance</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sync conflict(s)</source>
        <translation>
            <numerusform>%n conflit de synchronisation</numerusform>
            <numerusform>%n conflits de synchronisation</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries changed on this computer and on another one. Click to choose which version to keep.</source>
        <translation>Entrées modifiées sur cet ordinateur et sur un autre. Cliquez pour choisir la version à garder.</translation>
    </message>
</context>
<context>
    <name>StoreBanner</name>
    <message>
        <source>Import Backup...</source>
        <translation>Restaurer une sauvegarde...</translation>
    </message>
    <message>
        <source>This ledger file is read-only: you can look at it, but not change it. To make changes, allow writing to %1 and start Mellowind Ledgerine again.</source>
        <translation>Ce fichier de registre est en lecture seule&#xa0;: vous pouvez le consulter, mais pas le modifier. Pour faire des modifications, autorisez l&apos;écriture dans %1 et relancez Mellowind Ledgerine.</translation>
    </message>
</context>
<context>
    <name>StoreError</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>another program is writing to the ledger file</source>
        <translation>un autre programme écrit dans le fichier du registre</translation>
    </message>
    <message>
        <source>the ledger file cannot be written</source>
        <translation>le fichier du registre ne peut pas être écrit</translation>
    </message>
    <message>
        <source>the ledger file is damaged</source>
        <translation>le fichier du registre est endommagé</translation>
    </message>
    <message>
        <source>the disk could not be written</source>
        <translation>le disque n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>la mémoire est insuffisante</translation>
    </message>
    <message>
        <source>the database refused a change</source>
        <translation>la base de données a refusé une modification</translation>
    </message>
    <message>
        <source>the database refused a change (%1)</source>
        <translation>la base de données a refusé une modification (%1)</translation>
    </message>
</context>
<context>
    <name>SyncConflictsDialog</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Account type</source>
        <translation>Type de compte</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Établissement</translation>
    </message>
    <message>
        <source>Account number</source>
        <translation>Numéro de compte</translation>
    </message>
    <message>
        <source>Starting balance</source>
        <translation>Solde initial</translation>
    </message>
    <message>
        <source>Category type</source>
        <translation>Type de catégorie</translation>
    </message>
    <message>
        <source>Parent category</source>
        <translation>Catégorie parente</translation>
    </message>
    <message>
        <source>Tax relevant</source>
        <translation>Pertinent pour les impôts</translation>
    </message>
    <message>
        <source>Tax category</source>
        <translation>Catégorie fiscale</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Splits</source>
        <translation>Ventilations</translation>
    </message>
    <message>
        <source>Check number</source>
        <translation>Numéro de chèque</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Rapprochée</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>Next due date</source>
        <translation>Prochaine échéance</translation>
    </message>
    <message>
        <source>Post automatically</source>
        <translation>Enregistrer automatiquement</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Statement date</source>
        <translation>Date du relevé</translation>
    </message>
    <message>
        <source>Statement balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Reconciled balance</source>
        <translation>Solde rapproché</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Transfer account</source>
        <translation>Compte de virement</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Supprimé</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>Garder la mienne</translation>
    </message>
    <message>
        <source>Use the other computer&apos;s</source>
        <translation>Utiliser celle de l&apos;autre ordinateur</translation>
    </message>
    <message>
        <source>Sync Conflicts</source>
        <translation>Conflits de synchronisation</translation>
    </message>
    <message>
        <source>These entries were changed on this computer and on another one before either saw the other&apos;s change. Choose which version to keep; the other computers then follow.</source>
        <translation>Ces entrées ont été modifiées sur cet ordinateur et sur un autre avant que l&apos;un voie la modification de l&apos;autre. Choisissez la version à garder ; les autres ordinateurs suivront.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Cet ordinateur</translation>
    </message>
    <message>
        <source>Other computer</source>
        <translation>Autre ordinateur</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Compte : %1</translation>
    </message>
    <message>
        <source>Category: %1</source>
        <translation>Catégorie : %1</translation>
    </message>
    <message>
        <source>Recurring transaction: %1</source>
        <translation>Opération récurrente : %1</translation>
    </message>
    <message>
        <source>Transaction: %1, %2</source>
        <translation>Opération : %1, %2</translation>
    </message>
    <message>
        <source>Reconciliation of %1</source>
        <translation>Rapprochement du %1</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No conflicts left.</source>
        <translation>Plus aucun conflit.</translation>
    </message>
    <message>
        <source>The other computer&apos;s version has not arrived yet. Using it fetches it from the server.</source>
        <translation>La version de l&apos;autre ordinateur n&apos;est pas encore arrivée. L&apos;utiliser la récupère sur le serveur.</translation>
    </message>
    <message>
        <source>(not received yet)</source>
        <translation>(pas encore reçue)</translation>
    </message>
    <message>
        <source>Import profile: %1</source>
        <translation>Profil d&apos;importation : %1</translation>
    </message>
</context>
<context>
    <name>SyncControlsWidget</name>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser maintenant</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forcer une synchronisation complète</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Dernière synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Jamais synchronisé</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Toutes les lignes locales seront renvoyées au serveur et toutes les données du serveur seront téléchargées à nouveau. Utilisez cette option si les données semblent désynchronisées entre vos appareils.

Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synchronisé</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Erreur de synchronisation</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Could not prepare the data for the new account</source>
        <translation>Impossible de préparer les données pour le nouveau compte</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Échec de l&apos;envoi (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Échec de la réception (HTTP %1)</translation>
    </message>
    <message>
        <source>Could not store the pulled changes</source>
        <translation>Impossible d&apos;enregistrer les modifications reçues</translation>
    </message>
    <message>
        <source>The server did not move on from its position in the change stream</source>
        <translation>Le serveur n&apos;a pas avancé depuis sa position dans le flux des modifications</translation>
    </message>
    <message>
        <source>Sync paused</source>
        <translation>Synchronisation en pause</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) not accepted</source>
        <translation>
            <numerusform>%n enregistrement non accepté</numerusform>
            <numerusform>%n enregistrements non acceptés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncFeedback</name>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisation terminée</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Échec de la synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>The data on this computer was last synchronised with another Mellowind account or sync server.

Upload this computer&apos;s data to the account you are signed in to now?</source>
        <translation>Les données de cet ordinateur ont été synchronisées en dernier avec un autre compte Mellowind ou un autre serveur de synchronisation.

Envoyer les données de cet ordinateur vers le compte auquel vous êtes connecté maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Your access to %1 ended; your last change there was not sent.</source>
        <translation>Votre accès à %1 a pris fin ; votre dernière modification n&apos;y a pas été envoyée.</translation>
    </message>
</context>
<context>
    <name>SyncServerSection</name>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Sync server</source>
        <translation>Serveur de synchronisation</translation>
    </message>
    <message>
        <source>The server this computer signs in to and syncs with.</source>
        <translation>Le serveur auquel cet ordinateur se connecte et avec lequel il se synchronise.</translation>
    </message>
    <message>
        <source>https://ledger.example.org</source>
        <translation>https://ledger.example.org</translation>
    </message>
    <message>
        <source>Sync server at %1, version %2.
Sign-in: %3
Sync: %4</source>
        <translation>Serveur de synchronisation à %1, version %2.
Connexion&#xa0;: %3
Synchronisation&#xa0;: %4</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>The environment names the cloud services (AUTH_BASE_URL, ACCOUNT_API_URL, SYNC_API_URL); they are used instead of this address.</source>
        <translation>L&apos;environnement désigne les services cloud (AUTH_BASE_URL, ACCOUNT_API_URL, SYNC_API_URL)&#xa0;; ils sont utilisés à la place de cette adresse.</translation>
    </message>
    <message>
        <source>No sync server is set.</source>
        <translation>Aucun serveur de synchronisation n&apos;est défini.</translation>
    </message>
    <message>
        <source>Sign out to change the sync server.</source>
        <translation>Déconnectez-vous pour changer de serveur de synchronisation.</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>Interrogation de %1...</translation>
    </message>
    <message>
        <source>No sync server found at %1: %2</source>
        <translation>Aucun serveur de synchronisation trouvé à %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Détails de l&apos;opération</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilée—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo&#xa0;:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N° de chèque&#xa0;:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Virement vers&#xa0;:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État&#xa0;:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Saisie&#xa0;: %1</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Dernière modification&#xa0;: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Supprimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Lignes de ventilation</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(aucune ligne de ventilation enregistrée)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(sans catégorie)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Rapprochée</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointée</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointée</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Marquer comme non pointée</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Marquer comme pointée</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more line(s)</source>
        <translation>
            <numerusform>… et %n ligne de plus</numerusform>
            <numerusform>… et %n lignes de plus</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Commencez à taper pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Ventiler cette opération sur plusieurs catégories, chacune avec son montant et son mémo.</translation>
    </message>
    <message>
        <source>Clear split</source>
        <translation>Annuler la ventilation</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Supprimer la ventilation et revenir à une opération avec une seule catégorie.</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointée</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo&#xa0;:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N° de chèque&#xa0;:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilée—</translation>
    </message>
    <message>
        <source>Edit splits...</source>
        <translation>Modifier la ventilation...</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Ventiler...</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Compte de virement introuvable</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Les virements exigent que les deux comptes utilisent la même devise</translation>
    </message>
    <message>
        <source>The split lines add up to %1, not to the amount of %2: a difference of %3.</source>
        <translation>Les lignes de ventilation totalisent %1 et non le montant de %2&#xa0;: une différence de %3.</translation>
    </message>
    <message>
        <source>Put the difference on an &quot;Uncategorized&quot; line?</source>
        <translation>Placer la différence sur une ligne «&#xa0;Sans catégorie&#xa0;»&#xa0;?</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Votre session a expiré. Reconnectez-vous pour continuer à synchroniser.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Fonctionne entièrement hors ligne. Vos données restent sur cet appareil.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Comment ça marche</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Ajoutez un compte (courant, épargne, carte de crédit, ou tout autre compte que vous souhaitez suivre).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Enregistrez vos opérations au fil de vos dépenses.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Rapprochez votre compte à l&apos;arrivée de votre relevé.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Bon retour parmi nous</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Connectez-vous pour synchroniser vos données sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Créer un autre compte</translation>
    </message>
    <message>
        <source>Welcome to
Mellowind Ledgerine</source>
        <translation>Bienvenue dans
Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>A digital check register.</source>
        <translation>Un carnet de comptes numérique.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Vous avez déjà un compte&#xa0;? Connectez-vous</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Créez votre premier compte</translation>
    </message>
</context>
</TS>
