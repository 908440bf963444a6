<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>Checking</source>
        <translation>当座預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>USD ($)</source>
        <translation>米ドル (USD, $)</translation>
    </message>
    <message>
        <source>EUR (€)</source>
        <translation>ユーロ (EUR, €)</translation>
    </message>
    <message>
        <source>GBP (£)</source>
        <translation>英ポンド (GBP, £)</translation>
    </message>
    <message>
        <source>CAD ($)</source>
        <translation>カナダドル (CAD, $)</translation>
    </message>
    <message>
        <source>AUD ($)</source>
        <translation>豪ドル (AUD, $)</translation>
    </message>
    <message>
        <source>JPY (¥)</source>
        <translation>日本円 (JPY, ¥)</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>新規口座</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>口座の編集</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>口座名</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>銀行名 (任意)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>口座番号の下 4 桁 (任意)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>通貨(&amp;C):</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>開始残高(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>基準日(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>金融機関(&amp;I):</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>口座番号(&amp;U):</translation>
    </message>
    <message>
        <source>The currency cannot change once the account holds amounts in it.</source>
        <translation>この口座に金額が記録されると、通貨は変更できません。</translation>
    </message>
</context>
<context>
    <name>AccountPageParts</name>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
</context>
<context>
    <name>AccountRowWidget</name>
    <message>
        <source>The balance cannot be computed from the stored transactions.</source>
        <translation>記録されている取引から残高を計算できません。</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>当座預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Shared with you</source>
        <translation>あなたと共有されています</translation>
    </message>
    <message>
        <source>Shared with you by %1</source>
        <translation>%1 さんがあなたと共有しています</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>No accounts</source>
        <translation>口座がありません</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計: %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>This data was made by a newer version of Mellowind Ledgerine (data version %1). This version understands data up to version %2.</source>
        <translation>このデータは新しいバージョンの Mellowind Ledgerine で作成されています (データバージョン %1)。このバージョンで扱えるのはバージョン %2 までのデータです。</translation>
    </message>
    <message>
        <source>Required tables are missing: %1.</source>
        <translation>必要なテーブルがありません: %1。</translation>
    </message>
    <message>
        <source>The SQLite library of Qt&apos;s database driver differs from the one this program was built with (driver / program: %1).</source>
        <translation>Qt のデータベースドライバの SQLite ライブラリが、このプログラムのビルドに使われたものと異なります (ドライバ / プログラム: %1)。</translation>
    </message>
    <message>
        <source>Please check file permissions and try again.</source>
        <translation>ファイルのアクセス権を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1</source>
        <translation>データベースを初期化できませんでした。

データディレクトリ: %1</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine is running with this data (%1); close it before importing.</source>
        <translation>Mellowind Ledgerine がこのデータ (%1) で実行中です。インポートする前に終了してください。</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine</source>
        <translation>Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine is already running with this data (%1).</source>
        <translation>Mellowind Ledgerine はすでにこのデータ (%1) で実行中です。</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>データベースエラー</translation>
    </message>
    <message>
        <source>The ledger file is read-only, and this version of Mellowind Ledgerine has to update it before it can open it. Allow writing to it and try again.</source>
        <translation>台帳ファイルは読み取り専用ですが、このバージョンの Mellowind Ledgerine で開くには更新が必要です。書き込みを許可してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The ledger file is damaged (%1). Restore a backup from File › Import Backup, or open it with an SQLite tool.</source>
        <translation>台帳ファイルが破損しています (%1)。[ファイル] › [バックアップをインポート] でバックアップから復元するか、SQLite のツールで開いてください。</translation>
    </message>
    <message>
        <source>Import Backup...</source>
        <translation>バックアップをインポート...</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP アーカイブを開けませんでした</translation>
    </message>
    <message>
        <source>The backup holds more than %1 entries.</source>
        <translation>バックアップの項目数が %1 を超えています。</translation>
    </message>
    <message>
        <source>The backup unpacks to more than %1 bytes.</source>
        <translation>バックアップを展開すると %1 バイトを超えます。</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>無効なバックアップです: manifest.json がありません</translation>
    </message>
    <message>
        <source>The backup entry %1 is larger than the limit of %2 bytes.</source>
        <translation>バックアップの項目 %1 が上限の %2 バイトを超えています。</translation>
    </message>
    <message>
        <source>Invalid backup: damaged manifest.json</source>
        <translation>無効なバックアップです: manifest.json が壊れています</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>サポートされていないバックアップのバージョンです: %1</translation>
    </message>
    <message>
        <source>unknown table</source>
        <translation>不明なテーブル</translation>
    </message>
    <message>
        <source>%1: invalid value for %2</source>
        <translation>%1: %2 の値が無効です</translation>
    </message>
    <message>
        <source>%1: amount beyond the limit</source>
        <translation>%1: 金額が上限を超えています</translation>
    </message>
    <message>
        <source>%1: not restored: %2</source>
        <translation>%1: 復元されませんでした: %2</translation>
    </message>
    <message>
        <source>the backup entry %1 is larger than the limit of %2 bytes</source>
        <translation>バックアップの項目 %1 が上限の %2 バイトを超えています</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: 無効な JSON です</translation>
    </message>
    <message>
        <source>%1: members that are not columns were ignored: %2%3</source>
        <translation>%1: 列ではないメンバーを無視しました: %2%3</translation>
    </message>
    <message>
        <source>Nothing was restored: %1.</source>
        <translation>何も復元されませんでした: %1。</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: 拒否されました: %2</translation>
    </message>
    <message>
        <source>The transaction is linked to itself as a transfer.</source>
        <translation>この取引は振替として自分自身にリンクされています。</translation>
    </message>
    <message>
        <source>The transaction is split but has no split lines.</source>
        <translation>この取引は分割されていますが、分割明細がありません。</translation>
    </message>
    <message>
        <source>The member %1 holds control characters.</source>
        <translation>項目 %1 に制御文字が含まれています。</translation>
    </message>
    <message>
        <source>The category is its own parent.</source>
        <translation>このカテゴリは自分自身を親カテゴリにしています。</translation>
    </message>
    <message>
        <source>Its transaction was not restored.</source>
        <translation>この明細の取引は復元されませんでした。</translation>
    </message>
    <message>
        <source>The backup unpacks to %1 bytes, more than %2 times the %3 bytes of the file: it is not a backup this program made.</source>
        <translation>このバックアップは展開すると %1 バイトになり、ファイルの %3 バイトの %2 倍を超えます。このプログラムで作成したバックアップではありません。</translation>
    </message>
    <message>
        <source>The backup unpacks to %1 bytes, more than the %2 bytes free on the disk that holds the ledger.</source>
        <translation>このバックアップは展開すると %1 バイトになり、台帳のあるディスクの空き容量 %2 バイトを超えます。</translation>
    </message>
    <message>
        <source>the restore was cancelled</source>
        <translation>復元はキャンセルされました</translation>
    </message>
    <message>
        <source>%1: refused: the path leaves its folder</source>
        <translation>%1: 拒否しました: パスがフォルダーの外を指しています</translation>
    </message>
    <message>
        <source>the data as it stands could not be saved to %1 first: %2</source>
        <translation>現在のデータを先に %1 へ保存できませんでした: %2</translation>
    </message>
    <message>
        <source>The damaged file could not be moved aside.</source>
        <translation>破損したファイルを別名で退避できませんでした。</translation>
    </message>
    <message>
        <source>The new ledger could not be put in place.</source>
        <translation>新しい台帳を所定の場所に置けませんでした。</translation>
    </message>
    <message>
        <source>The ledger could not be opened for the restore: %1</source>
        <translation>復元のために台帳を開けませんでした: %1</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>カテゴリを検索...</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ 新規カテゴリ</translation>
    </message>
    <message>
        <source>The category could not be saved.</source>
        <translation>カテゴリを保存できませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>Delete &quot;%1&quot; and its %n sub-categories? Transactions using them will become uncategorized.</source>
        <translation>
            <numerusform>「%1」とその %n 個のサブカテゴリを削除しますか? これらを使っている取引は未分類になります。</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>「%1」を削除しますか? このカテゴリを使っている取引は未分類になります。</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>カテゴリの削除</translation>
    </message>
    <message>
        <source>The category could not be deleted.</source>
        <translation>カテゴリを削除できませんでした。</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>新規カテゴリ(&amp;N)</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>サブカテゴリを追加(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <source>Shared category</source>
        <translation>共有カテゴリ</translation>
    </message>
</context>
<context>
    <name>CategoryComboBox</name>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>Expense</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>新規カテゴリ</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>新規サブカテゴリ</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>カテゴリの編集</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>カテゴリ名</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>税務関連</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>このカテゴリを確定申告用のレポートに含めます。</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>例: charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>税コード(&amp;C):</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>親カテゴリ(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>寄付金</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>医療費</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>事業経費</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>在宅勤務</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>教育費</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>住民税・地方税</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>住宅ローン利息</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>固定資産税</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>住居費</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>家賃・住宅ローン返済</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>修繕・メンテナンス</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>管理費</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>水道光熱費</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>電気代</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>ガス代</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水道代</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>インターネット</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話代</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>交通費</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>ガソリン代</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>自動車ローン</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>公共交通機関</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>食料品</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>外食</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>理容・美容</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>ペット</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>サブスクリプション</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>贈り物</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>雑費</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>娯楽</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>動画・音楽配信</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>映画</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>買い物</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>衣服</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>家電・電子機器</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>日用品</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>保険</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>医療</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>生命</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>住宅・家財</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>手数料</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>銀行手数料</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>ATM 手数料</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>延滞料</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>給与</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>受取利息</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>配当金</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>家賃収入</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>フリーランス・副業</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>返金</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>いただき物・お祝い</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>その他の収入</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税コード</translation>
    </message>
</context>
<context>
    <name>CsvMappingPanel</name>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV の列の割り当て:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>日付の列:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>支払先の列:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>金額の列:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>メモの列:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>カテゴリの列:</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>自動検出</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>英語の月名 D, YYYY (May 14, 2026)</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>日付の形式:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>1 行目は見出し</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>列 %1</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>列 %1: %2</translation>
    </message>
    <message>
        <source>Choose a date format or type one, such as dd.MM.yyyy</source>
        <translation>日付形式を選ぶか、dd.MM.yyyy のように入力してください</translation>
    </message>
    <message>
        <source>One signed amount column</source>
        <translation>符号付きの金額列 1 つ</translation>
    </message>
    <message>
        <source>Paid-out and paid-in columns</source>
        <translation>出金列と入金列</translation>
    </message>
    <message>
        <source>Amount and direction column</source>
        <translation>金額と入出金区分の列</translation>
    </message>
    <message>
        <source>Amounts:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Paid-out column:</source>
        <translation>出金列:</translation>
    </message>
    <message>
        <source>Paid-in column:</source>
        <translation>入金列:</translation>
    </message>
    <message>
        <source>Direction column:</source>
        <translation>区分列:</translation>
    </message>
    <message>
        <source>such as Af or debit</source>
        <translation>例: Af、debit</translation>
    </message>
    <message>
        <source>Paid out when it says:</source>
        <translation>出金を表す値:</translation>
    </message>
    <message>
        <source>such as Bij or credit</source>
        <translation>例: Bij、credit</translation>
    </message>
    <message>
        <source>Paid in when it says:</source>
        <translation>入金を表す値:</translation>
    </message>
    <message>
        <source>Decimal comma (1.234,56)</source>
        <translation>小数点にカンマ (1.234,56)</translation>
    </message>
    <message>
        <source>Invert signs</source>
        <translation>符号を反転</translation>
    </message>
    <message>
        <source>For card statements that list purchases as positive</source>
        <translation>購入を正の値で記載するカード明細向け</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>自動検出</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>カンマ</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>セミコロン</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>タブ</translation>
    </message>
    <message>
        <source>Lines to skip:</source>
        <translation>読み飛ばす行数:</translation>
    </message>
    <message>
        <source>Delimiter:</source>
        <translation>区切り文字:</translation>
    </message>
</context>
<context>
    <name>CsvPreviewTable</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>重複</translation>
    </message>
    <message>
        <source>Invalid: %1</source>
        <translation>無効: %1</translation>
    </message>
</context>
<context>
    <name>CsvProfileBar</name>
    <message>
        <source>Rename...</source>
        <translation>名前を変更...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>プロファイル:</translation>
    </message>
    <message>
        <source>Profile &quot;%1&quot; applied: the file has its columns.</source>
        <translation>プロファイル「%1」を適用しました: ファイルの列が一致します。</translation>
    </message>
    <message>
        <source>The mapping is kept as profile &quot;%1&quot; for the next file of this layout.</source>
        <translation>この割り当てをプロファイル「%1」として保存しました。同じ形式の次のファイルに使われます。</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>Rename Profile</source>
        <translation>プロファイル名の変更</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>The name is empty or another profile of this account has it.</source>
        <translation>名前が空か、この口座の別のプロファイルで使われています。</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>プロファイルの削除</translation>
    </message>
    <message>
        <source>Delete the profile &quot;%1&quot;? Files of its layout will need mapping again.</source>
        <translation>プロファイル「%1」を削除しますか? この形式のファイルは再び割り当てが必要になります。</translation>
    </message>
</context>
<context>
    <name>DataSettingsPage</name>
    <message>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Keep your ledgerine in sync across all your devices.</source>
        <translation>すべてのデバイスで Ledgerine のデータを同期します。</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>バックアップと復元</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>データを持ち運べるバックアップファイルに保存したり、そこから復元したりします。</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>削除した口座</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>削除した口座はここで復元できます。</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>選択した口座を復元</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Mellowind Account to enable sync.</source>
        <translation>サインインしていません。
同期を有効にするには、ファイル › Mellowind アカウント からサインインしてください。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;サインイン中:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;状態:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP ファイル (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>エクスポートしています...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>バックアップ完了</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>バックアップを保存しました:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>バックアップ失敗</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>書き込めませんでした:
%1</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>口座の復元</translation>
    </message>
    <message>
        <source>This account was shared with you, and its owner no longer shares it. Only the owner can bring it back.</source>
        <translation>この口座はあなたと共有されていましたが、所有者が共有を終了しました。復元できるのは所有者だけです。</translation>
    </message>
    <message>
        <source>The account could not be restored.</source>
        <translation>口座を復元できませんでした。</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>Mellowind Ledgerine, a check register for household finances. With --import it imports transactions from CSV and QIF files and ends without opening a window.</source>
        <translation>Mellowind Ledgerine は家計用の小切手出納帳です。--import を指定すると、CSV および QIF ファイルから取引をインポートし、ウィンドウを開かずに終了します。</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>The account for CSV files and for QIF files without account blocks. QIF accounts go to the account of the same name (without case).</source>
        <translation>CSV ファイルと、口座ブロックのない QIF ファイルのインポート先の口座。QIF の口座は同じ名前 (大文字・小文字は区別しない) の口座に入ります。</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Create missing accounts (in US dollars) instead of skipping their transactions.</source>
        <translation>存在しない口座を (米ドルで) 作成します。指定しない場合、その口座の取引はスキップされます。</translation>
    </message>
    <message>
        <source>The CSV columns in order: date, payee, amount, memo, category, or - to skip one (default: date,payee,amount).</source>
        <translation>CSV の列を順に指定します: date, payee, amount, memo, category。- はその列をスキップします (既定: date,payee,amount)。</translation>
    </message>
    <message>
        <source>LIST</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>The CSV files start with a row of column names.</source>
        <translation>CSV ファイルの先頭行は列名です。</translation>
    </message>
    <message>
        <source>The pattern of CSV dates, such as dd/MM/yyyy (default: recognised by itself).</source>
        <translation>CSV の日付のパターン。例: dd/MM/yyyy (既定: 自動で認識)。</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>予期しない引数です: %1</translation>
    </message>
    <message>
        <source>Nothing to import: give --import FILE.</source>
        <translation>インポートするものがありません: --import FILE を指定してください。</translation>
    </message>
    <message>
        <source>--csv-columns names date, payee, amount, memo, category or - in order, each once; date, payee and amount are needed.</source>
        <translation>--csv-columns には date, payee, amount, memo, category または - を順に 1 回ずつ指定します。date, payee, amount は必須です。</translation>
    </message>
    <message>
        <source>CSV files need --account NAME.</source>
        <translation>CSV ファイルには --account NAME が必要です。</translation>
    </message>
    <message>
        <source>The database in %1 could not be opened.
</source>
        <translation>%1 のデータベースを開けませんでした。
</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) not imported: they belong to no account here.</source>
        <translation>
            <numerusform>%n 件の取引はインポートされませんでした: ここにあるどの口座にも属していません。</numerusform>
        </translation>
    </message>
    <message>
        <source>No account is named &quot;%1&quot;; --create-accounts creates it.</source>
        <translation>「%1」という口座はありません。--create-accounts で作成されます。</translation>
    </message>
    <message>
        <source>Nothing was imported: no row could be read.</source>
        <translation>何もインポートされませんでした: 読み取れる行がありません。</translation>
    </message>
    <message>
        <source>The ledger in %1 is read-only: nothing was imported.
</source>
        <translation>%1 の台帳は読み取り専用のため、何もインポートしませんでした。
</translation>
    </message>
    <message>
        <source>Import FILE: an OFX or QFX statement, a QIF file (.qif) or a comma-separated file. Repeat for several files; QIF files are imported together, so transfers between them are linked.</source>
        <translation>FILE をインポートします: OFX/QFX 明細、QIF ファイル (.qif)、またはカンマ区切りファイル。複数のファイルには繰り返し指定します。QIF ファイルはまとめてインポートされ、相互の振替がリンクされます。</translation>
    </message>
    <message>
        <source>The CSV delimiter: comma, semicolon, tab or | (default: recognised from the first lines).</source>
        <translation>CSV の区切り文字: comma、semicolon、tab、| (既定: 先頭の行から判別)。</translation>
    </message>
    <message>
        <source>DELIMITER</source>
        <translation>区切り文字</translation>
    </message>
    <message>
        <source>CSV amounts are written 1.234,56.</source>
        <translation>CSV の金額は 1.234,56 の形式です。</translation>
    </message>
    <message>
        <source>The column of amounts paid out, counted from 1 (with --credit-column instead of an amount column).</source>
        <translation>出金額の列 (1 から数える。金額列の代わりに --credit-column と共に)。</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>The column of amounts paid in, counted from 1.</source>
        <translation>入金額の列 (1 から数える)。</translation>
    </message>
    <message>
        <source>The column that says whether the amount is paid out or in, counted from 1 (with --out-value and --in-value).</source>
        <translation>金額が出金か入金かを示す列 (1 から数える。--out-value と --in-value と共に)。</translation>
    </message>
    <message>
        <source>The direction column&apos;s value for money paid out, such as Af or debit.</source>
        <translation>出金を表す区分列の値 (例: Af、debit)。</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>The direction column&apos;s value for money paid in, such as Bij or credit.</source>
        <translation>入金を表す区分列の値 (例: Bij、credit)。</translation>
    </message>
    <message>
        <source>Turn the signs of CSV amounts round (card statements that list purchases as positive).</source>
        <translation>CSV の金額の符号を反転します (購入を正の値で記載するカード明細)。</translation>
    </message>
    <message>
        <source>Lines to skip at the start of CSV files, before the table.</source>
        <translation>CSV ファイルの先頭で表の前に読み飛ばす行数。</translation>
    </message>
    <message>
        <source>Columns are counted from 1; --direction-column needs --out-value and --in-value; --delimiter is comma, semicolon, tab or |.</source>
        <translation>列は 1 から数えます。--direction-column には --out-value と --in-value が必要です。--delimiter は comma、semicolon、tab、| のいずれかです。</translation>
    </message>
    <message>
        <source>Read CSV files by the account&apos;s profile of this name, as kept by the import window. Without it and without CSV options, the profile that fits the file is used.</source>
        <translation>インポート画面で保存した、口座のこの名前のプロファイルで CSV ファイルを読み込みます。このオプションも CSV オプションもない場合は、ファイルに合うプロファイルを使います。</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; has no CSV profile named &quot;%2&quot;.</source>
        <translation>口座「%1」に「%2」という名前の CSV プロファイルはありません。</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
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
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>口座(&amp;A):</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>ファイルが選択されていません</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>QIF ファイルの選択</translation>
    </message>
    <message>
        <source>QIF Files (*.qif);;All Files (*)</source>
        <translation>QIF ファイル (*.qif);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>QIF ファイルを分析しています...</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n 個のファイルを選択しました</numerusform>
        </translation>
    </message>
    <message>
        <source>The selected file(s) hold no transactions to import.</source>
        <translation>選択したファイルにはインポートする取引がありません。</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>インポート先の口座がありません</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>インポート先の口座を選ぶか、ここで作成してください。</translation>
    </message>
    <message>
        <source>The account could not be saved.</source>
        <translation>口座を保存できませんでした。</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポートしています...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>インポートをキャンセルしました。</translation>
    </message>
    <message>
        <source>Nothing was imported: every change of this import was rolled back.</source>
        <translation>何もインポートされませんでした: このインポートによる変更はすべて取り消されました。</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>インポートに失敗しました。</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>インポートが完了しました!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n 件の取引をインポートしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n 件の振替を口座間でリンクしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (うち %n 件は以前にインポートした行とリンク)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n 件の重複をスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました (解析できません)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n 件のメタデータレコードをスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました (読み込み元の口座が未割り当て)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました (データベースエラー — ログを参照)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split(s) adjusted: their lines did not add up to the amount, so an &quot;Uncategorized&quot; line holds the difference</source>
        <translation>
            <numerusform>%n 件の分割を調整しました: 明細の合計が金額と合わないため、差額を「未分類」の明細にしました</numerusform>
        </translation>
    </message>
    <message>
        <source>OFX/QFX</source>
        <translation>OFX/QFX</translation>
    </message>
    <message>
        <source>Select OFX File</source>
        <translation>OFX ファイルを選択</translation>
    </message>
    <message>
        <source>OFX Files (*.ofx *.qfx);;All Files (*)</source>
        <translation>OFX ファイル (*.ofx *.qfx);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>%1: the bank&apos;s balance on %2 is %3; the register&apos;s is %4.</source>
        <translation>%1: %2 時点の銀行の残高は %3、台帳の残高は %4 です。</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>照合...</translation>
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
        <translation>%1 (口座ヘッダーなし)</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>インポートした取引</translation>
    </message>
    <message>
        <source>Uncategorized</source>
        <translation>未分類</translation>
    </message>
    <message numerus="yes">
        <source>No row has the %n columns the mapping needs; is the delimiter right?</source>
        <translation>
            <numerusform>割り当てに必要な %n 列を持つ行がありません。区切り文字は正しいですか?</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>何もインポートされませんでした: %1。</translation>
    </message>
    <message>
        <source>Nothing was imported: the import could not be completed (%1).</source>
        <translation>何もインポートされませんでした: インポートを完了できませんでした (%1)。</translation>
    </message>
    <message>
        <source>Nothing was imported: the import was cancelled.</source>
        <translation>何もインポートされませんでした: インポートは取り消されました。</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1、%2 行目</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄預金</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>当座預金</translation>
    </message>
    <message>
        <source>%1 is not a complete OFX file (%2): nothing was imported.</source>
        <translation>%1 は完全な OFX ファイルではありません（%2）。何もインポートされませんでした。</translation>
    </message>
    <message>
        <source>%1, account %2</source>
        <translation>%1、口座 %2</translation>
    </message>
    <message>
        <source>The statement of account %1 is in %2, but %3 is kept in %4: nothing of it was imported.</source>
        <translation>口座 %1 の明細は %2 ですが、%3 は %4 で管理されています。何もインポートされませんでした。</translation>
    </message>
    <message>
        <source>The statement of account %1 is in %2, a currency this program does not keep: nothing of it was imported.</source>
        <translation>口座 %1 の明細は %2 で、このプログラムでは扱えない通貨です。何もインポートされませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>the row has %n column(s), the mapping needs %1</source>
        <translation>
            <numerusform>行の列数は %n ですが、割り当てには %1 列必要です</numerusform>
        </translation>
    </message>
    <message>
        <source>the date does not read</source>
        <translation>日付を読み取れません</translation>
    </message>
    <message>
        <source>the amount does not read</source>
        <translation>金額を読み取れません</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>新規取引(&amp;N)</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>新規口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>サインアウト(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>環境設定(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>照合(&amp;R)...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>照合の履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>支払先名の変更(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>レポート(&amp;R)</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>定期取引(&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>カテゴリ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Mellowind Ledgerine</source>
        <translation>Mellowind Ledgerine について(&amp;A)</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>新機能(&amp;N)...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>アップデートの確認(&amp;U)...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>フィードバックを送信(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカット(&amp;K)</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>サンプルデータを読み込む(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>サンプルデータを消去(&amp;C)</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>アカウントを管理します</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>サインインまたはアカウント登録</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>新規口座...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>「%1」を編集...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>照合...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>照合の履歴...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>支払先名の変更...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>「%1」を削除</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>出納帳</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>取引を保存</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>新しい取引を挿入</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>現在の取引を削除</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>次 / 前のフィールド</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (アポストロフィ)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>上のフィールドの値をコピー</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>日付フィールド</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>翌日 / 前日</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>月初 / 月末</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>年初 / 年末</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>週の初日 / 最終日</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>新規取引</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>新規口座</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>口座の照合</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>取引の検索</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation>口座 1&amp;ndash;9 に切り替え</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>口座 10 に切り替え</translation>
    </message>
    <message>
        <source>About Mellowind Ledgerine</source>
        <translation>Mellowind Ledgerine について</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Mellowind Ledgerine&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A check register for household finances that keeps its data on this computer.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Mellowind Ledgerine&lt;/h3&gt;&lt;p&gt;バージョン %1&lt;/p&gt;&lt;p&gt;データをこのコンピューターに保存する、家計用の小切手出納帳です。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>&amp;Mellowind Account...</source>
        <translation>Mellowind アカウント(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>共有(&amp;S)...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>共有...</translation>
    </message>
    <message>
        <source>Import &amp;Backup...</source>
        <translation>バックアップをインポート(&amp;B)...</translation>
    </message>
    <message>
        <source>Transaction details</source>
        <translation>取引の詳細</translation>
    </message>
    <message>
        <source>Memorize as a recurring transaction</source>
        <translation>定期取引として登録</translation>
    </message>
    <message>
        <source>Edit the current field</source>
        <translation>現在の項目を編集</translation>
    </message>
    <message>
        <source>Open the calendar</source>
        <translation>カレンダーを開く</translation>
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
        <translation>サインインしていません</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>先に口座を選択してください</translation>
    </message>
    <message>
        <source>The account could not be saved</source>
        <translation>口座を保存できませんでした</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>「%1」を削除しますか?

この口座のすべての取引、定期取引、照合の履歴が削除されます。環境設定 → データと同期 から復元できます。</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>口座の削除</translation>
    </message>
    <message>
        <source>The account could not be deleted</source>
        <translation>口座を削除できませんでした</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>照合 — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>照合の履歴</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>取引の検索</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>支払先の管理</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>サンプルデータ</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>サンプルデータはすでに読み込まれています。</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation>サンプルデータを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>サンプルデータを読み込みました</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>消去するサンプルデータがありません。</translation>
    </message>
    <message>
        <source>The sample data could not be cleared.</source>
        <translation>サンプルデータを消去できませんでした。</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>サンプルデータを消去しました</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>サインインが必要です</translation>
    </message>
    <message>
        <source>Sharing requires a Mellowind account.</source>
        <translation>共有するには Mellowind アカウントが必要です。</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>詳細を見る</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine (damaged ledger)</source>
        <translation>Mellowind Ledgerine (台帳が破損)</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine (read-only)</source>
        <translation>Mellowind Ledgerine (読み取り専用)</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>データベースエラー</translation>
    </message>
    <message>
        <source>Import Backup...</source>
        <translation>バックアップをインポート...</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountDataPage</name>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>データとプライバシー</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>危険な操作</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>アカウントを完全に削除します。30 日を過ぎると元に戻せません。</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>アカウントの削除</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>あなたはグループのオーナーです。アカウントを削除する前に、オーナー権限を譲渡するか、すべてのメンバーを削除してください。</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>アカウントを 30 日後に完全に削除するよう予約します。

確認のため DELETE と入力してください:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>アカウントを削除できませんでした。</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>アカウントの削除を予約しました</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>アカウントは 30 日後に完全に削除されます。それまでにサインインすれば、アカウントを復元できます。</translation>
    </message>
    <message>
        <source>Your account details could not be loaded.</source>
        <translation>アカウントの詳細を読み込めませんでした。</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountDevicesPage</name>
    <message>
        <source>Registered Devices</source>
        <translation>登録済みのデバイス</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>アカウントと同期したデバイスです。</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>登録済みのデバイスはありません。</translation>
    </message>
    <message>
        <source>v%1</source>
        <translation>v%1</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>不明なデバイス</translation>
    </message>
    <message>
        <source>This device</source>
        <translation>このデバイス</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>デバイスの削除</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>%1 を削除しますか?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>デバイスを削除しました。</translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation>デバイスを削除できませんでした。</translation>
    </message>
    <message>
        <source>Your devices could not be loaded.</source>
        <translation>デバイスを読み込めませんでした。</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountGroupPage</name>
    <message>
        <source>No Group</source>
        <translation>グループなし</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>グループに参加していません。グループのオーナーからの招待を受けるか、招待コードで参加できます。</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>招待コードで参加</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%2 席中 %1 席を使用中</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>メンバー</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>保留中の招待</translation>
    </message>
    <message>
        <source>No pending invitations.</source>
        <translation>保留中の招待はありません。</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>メンバーの招待</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>メールで招待</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>招待コードを生成</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>グループから退出</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>オーナー</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>招待コード: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>グループに参加</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>招待コードを入力してください:</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>グループに参加しました。</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>招待コードが無効か、有効期限が切れています。</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>メンバーの削除</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>%1 をグループから削除しますか?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 を削除しました。</translation>
    </message>
    <message>
        <source>Failed to remove %1.</source>
        <translation>%1 を削除できませんでした。</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>招待を取り消しました。</translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation>招待を取り消せませんでした。</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>メールアドレス:</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>招待を送信しました。</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>招待を送信できませんでした。</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>コードを生成できませんでした。</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>招待コード</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>招待したい相手にこのコードを伝えてください:

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>このグループから退出しますか? 共有データにアクセスできなくなります。</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>グループから退出しました。</translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation>グループから退出できませんでした。</translation>
    </message>
    <message>
        <source>Your group could not be loaded.</source>
        <translation>グループを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Start a Household</source>
        <translation>世帯を作成</translation>
    </message>
    <message>
        <source>Share accounts with the people you live with. Your household is created with the first invitation, and you are its owner.</source>
        <translation>一緒に暮らす人と口座を共有できます。最初の招待で世帯が作成され、あなたがその所有者になります。</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountProfilePage</name>
    <message>
        <source>Personal Information</source>
        <translation>個人情報</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>表示名:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>メールアドレス:</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>表示名の編集</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>サインアウト</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(未設定)</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>表示名を更新しました。</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>プロフィールを更新できませんでした。</translation>
    </message>
    <message>
        <source>Your profile could not be loaded.</source>
        <translation>プロフィールを読み込めませんでした。</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountScreen</name>
    <message>
        <source>Profile</source>
        <translation>プロフィール</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>現在アクティブ</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>%1 分前</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>%1 時間前</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>%1 日前</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>データとプライバシー</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountSecurityPage</name>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>アカウントのパスワードを変更します。</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>パスワードの変更</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>アクティブなセッション</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>現在アカウントにサインインしているセッションです。</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>現在のパスワード:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>新しいパスワード (8 文字以上):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>パスワードは 8 文字以上にしてください。</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>新しいパスワードの確認:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>パスワードが一致しません。</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>パスワードを変更しました。</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>パスワードを変更できませんでした。</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>アクティブなセッションはありません。</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>不明なクライアント</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>このセッション</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>セッションを取り消しました。</translation>
    </message>
    <message>
        <source>Failed to revoke session.</source>
        <translation>セッションを取り消せませんでした。</translation>
    </message>
    <message>
        <source>Your sessions could not be loaded.</source>
        <translation>セッションを読み込めませんでした。</translation>
    </message>
</context>
<context>
    <name>MellAccount::AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>口座の共有に失敗しました (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>MellAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>ローカル認証サーバーを起動できませんでした</translation>
    </message>
    <message>
        <source>Sign-in timed out</source>
        <translation>サインインがタイムアウトしました</translation>
    </message>
    <message>
        <source>The web browser could not be opened</source>
        <translation>Web ブラウザーを開けませんでした</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>トークンを受け取れませんでした</translation>
    </message>
    <message>
        <source>the answer did not come from this sign-in.</source>
        <translation>この応答はこのサインインからのものではありません。</translation>
    </message>
</context>
<context>
    <name>MellAccount::Client</name>
    <message>
        <source>No sync server is set. Enter its address in Edit › Preferences › Data &amp; Sync › Sync server, or set AUTH_BASE_URL, ACCOUNT_API_URL and SYNC_API_URL in the environment.</source>
        <translation>同期サーバーが設定されていません。編集 › 環境設定 › データと同期 › 同期サーバーでアドレスを入力するか、環境変数 AUTH_BASE_URL、ACCOUNT_API_URL、SYNC_API_URL を設定してください。</translation>
    </message>
</context>
<context>
    <name>MellAccount::ServerDiscovery</name>
    <message>
        <source>This is not a web address.</source>
        <translation>これは Web アドレスではありません。</translation>
    </message>
    <message>
        <source>Plain http is only for a server on this computer; use https.</source>
        <translation>暗号化されていない http はこのコンピューター上のサーバーにだけ使えます。https を使ってください。</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>サーバーは HTTP ステータス %1 で応答しました。</translation>
    </message>
    <message>
        <source>Nothing answered at this address.</source>
        <translation>このアドレスからは応答がありません。</translation>
    </message>
    <message>
        <source>The answer does not come from a Mellowind Ledgerine sync server.</source>
        <translation>この応答は Mellowind Ledgerine の同期サーバーからのものではありません。</translation>
    </message>
</context>
<context>
    <name>MellAccount::ShareMembersDialog</name>
    <message>
        <source>Share Account</source>
        <translation>口座の共有</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>共有: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Mellowind family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>この口座を Mellowind のファミリーグループのメンバーと共有します。メンバーのデバイスにも、同じ出納帳、残高、照合の履歴が表示されます。</translation>
    </message>
    <message>
        <source>People with access</source>
        <translation>アクセスできるユーザー</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>ユーザーを追加</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>This account has not been synchronised yet. Sync it once, then share it.</source>
        <translation>この口座はまだ同期されていません。一度同期してから共有してください。</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>アクセス権を削除</translation>
    </message>
    <message>
        <source>You&apos;re not in a group yet. Invite people from the Group page of your Mellowind account.</source>
        <translation>まだグループに参加していません。Mellowind アカウントの「グループ」ページからユーザーを招待してください。</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>グループのメンバー全員がすでにアクセスできます</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>%1 と共有できませんでした。</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>アクセス権を削除しますか?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 はアクセスできなくなります。続行しますか?</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 のアクセス権を削除できませんでした。</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>オーナー</translation>
    </message>
    <message>
        <source>Only the owner of this account can give others access.</source>
        <translation>この口座の所有者だけが他の人にアクセス権を付与できます。</translation>
    </message>
</context>
<context>
    <name>MellAccount::WebAuthHandler</name>
    <message>
        <source>Request too long</source>
        <translation>リクエストが長すぎます</translation>
    </message>
    <message>
        <source>Bad request</source>
        <translation>不正なリクエストです</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>許可されていません</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Finishing sign-in...</source>
        <translation>サインインを完了しています...</translation>
    </message>
    <message>
        <source>Turn on JavaScript for this page to finish signing in.</source>
        <translation>サインインを完了するには、このページで JavaScript を有効にしてください。</translation>
    </message>
    <message>
        <source>You&apos;re signed in</source>
        <translation>サインインしました</translation>
    </message>
    <message>
        <source>You can close this tab and return to Mellowind Ledgerine.</source>
        <translation>このタブを閉じて、Mellowind Ledgerine に戻ってください。</translation>
    </message>
    <message>
        <source>Sign-in failed</source>
        <translation>サインインに失敗しました</translation>
    </message>
    <message>
        <source>Return to Mellowind Ledgerine to try again.</source>
        <translation>Mellowind Ledgerine に戻って、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine</source>
        <translation>Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>You can close this tab.</source>
        <translation>このタブは閉じてかまいません。</translation>
    </message>
</context>
<context>
    <name>MellUpdate::UpdateCommands</name>
    <message>
        <source>This build has no update server configured</source>
        <translation>このビルドにはアップデートサーバーが設定されていません</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>アップデートを確認しています…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 は最新です (バージョン %2)</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>%1 %2 のリリースノートはありません</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートの確認</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection to the internet and try again.</source>
        <translation>アップデートサーバーに接続できませんでした。インターネット接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read. Try again later.</source>
        <translation>アップデートサーバーの応答を読み取れませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The latest version cannot be installed over version %1. Install version %2 first.</source>
        <translation>最新バージョンはバージョン %1 に上書きインストールできません。先にバージョン %2 をインストールしてください。</translation>
    </message>
    <message>
        <source>This build&apos;s update server address is not valid.</source>
        <translation>このビルドのアップデートサーバーのアドレスが無効です。</translation>
    </message>
</context>
<context>
    <name>MellUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>%1 の新しいバージョンが利用できます。</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>現在のバージョンは %1 です。最新バージョンは %2 です。</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*このバージョンのリリースノートはありません。*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
</context>
<context>
    <name>MellUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>実行中のバージョンは %1 です</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 をダウンロード</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>Amounts are limited to %1</source>
        <translation>金額の上限は %1 です</translation>
    </message>
    <message>
        <source>Yen amounts have no decimals</source>
        <translation>円の金額に小数はありません</translation>
    </message>
</context>
<context>
    <name>NoAccountsPage</name>
    <message>
        <source>Welcome to Mellowind Ledgerine</source>
        <translation>Mellowind Ledgerine へようこそ</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>最初の口座を作成して始めましょう。</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>口座を作成</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>支払先の管理</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>取引</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>選択した支払先の名前を変更</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>選択した支払先を統合</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>新しい名前:</translation>
    </message>
    <message>
        <source>Similar</source>
        <translation>類似</translation>
    </message>
    <message>
        <source>Differs only in case or spaces from: %1</source>
        <translation>次の支払先と大文字・小文字または空白だけが異なります: %1</translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>統合失敗</translation>
    </message>
    <message>
        <source>The payees could not be merged; nothing was changed.</source>
        <translation>支払先を統合できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>名前の変更失敗</translation>
    </message>
    <message>
        <source>The payees could not be renamed; nothing was changed.</source>
        <translation>支払先の名前を変更できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>統合完了</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引の支払先を統合しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>名前の変更完了</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引の支払先名を変更しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>統合</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>統合する支払先を 2 つ以上選択してください。</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 件の支払先を「%2」に統合しますか?</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>支払先の統合</translation>
    </message>
</context>
<context>
    <name>QifMappingPanel</name>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF の読み込み元の口座:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>QIF の各口座のインポート先を選択してください。選択したファイル間で割り当てた口座同士の振替は、自動的にリンクされます。</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— 新しい口座「%1」を作成 —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— これらの取引をスキップ —</translation>
    </message>
    <message>
        <source>Statements:</source>
        <translation>明細:</translation>
    </message>
    <message>
        <source>Choose the account each statement goes to. The next statement of the same bank account goes there by itself.</source>
        <translation>各明細の取り込み先の口座を選んでください。同じ銀行口座の次の明細は自動的にそこへ取り込まれます。</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>照合の履歴</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>この口座の過去の照合です。</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>明細書の日付</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>照合済み残高</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了日時</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>照合の記録はまだありません。出納帳から口座を照合すると、ここに履歴が表示されます。</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>照合の履歴 — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>消込</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>口座の照合</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>明細書の日付:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>明細書の残高:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>前回の残高</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>消込済みの入金</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>消込済みの出金</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>消込済み残高</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>照合を完了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>取引を追加</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>取引を追加 (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>選択した取引を編集 (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>選択した取引を削除 (Del)</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>照合完了</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>口座を照合しました。</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved.</source>
        <translation>照合を保存できませんでした。</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>%1 の取引を削除しますか?</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>取引を削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>RecordRules</name>
    <message>
        <source>The date is not a valid date.</source>
        <translation>日付が正しい日付ではありません。</translation>
    </message>
    <message>
        <source>The date %1 is not between the years 1900 and 2100.</source>
        <translation>日付 %1 は 1900 年から 2100 年の間にありません。</translation>
    </message>
    <message>
        <source>The payee is longer than %1 characters.</source>
        <translation>支払先が %1 文字を超えています。</translation>
    </message>
    <message>
        <source>The memo is longer than %1 characters.</source>
        <translation>メモが %1 文字を超えています。</translation>
    </message>
    <message>
        <source>The category name is longer than %1 characters.</source>
        <translation>カテゴリ名が %1 文字を超えています。</translation>
    </message>
    <message>
        <source>The check number is longer than %1 characters.</source>
        <translation>小切手番号が %1 文字を超えています。</translation>
    </message>
    <message>
        <source>The split has %1 lines; a transaction has at most %2.</source>
        <translation>分割の明細が %1 行あります。1 件の取引の明細は最大 %2 行です。</translation>
    </message>
</context>
<context>
    <name>RecurringAutoPoster</name>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n 件の定期取引を自動で記帳しました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>隔週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>半年ごと</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>毎年</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>新規定期取引</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>定期取引の編集</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>定期取引として登録</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力すると支払先を検索します...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>終了日を指定</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>期日に自動で記帳</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>支払先:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>頻度:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>開始日:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>終了日:</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>次回の期日</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>期日の取引をすべて記帳</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>新規定期取引</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(期日 %1 件)</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>定期取引を保存できませんでした。</translation>
    </message>
    <message>
        <source>Its next due date is not a valid date, so it has been made inactive. Edit its start date to use it again.</source>
        <translation>次回の期日が有効な日付ではないため、無効にしました。もう一度使うには開始日を編集してください。</translation>
    </message>
    <message>
        <source>The transaction for this date is already in the register. Skip it to move on to the next date.</source>
        <translation>この日付の取引はすでに出納帳にあります。スキップして次の日付に進んでください。</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency.</source>
        <translation>振替には、両方の口座が同じ通貨を使っている必要があります。</translation>
    </message>
    <message>
        <source>The account it transfers to no longer exists.</source>
        <translation>振替先の口座はもう存在しません。</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>取引を保存できませんでした。</translation>
    </message>
    <message>
        <source>Not Posted</source>
        <translation>記帳されませんでした</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not posted.

%2</source>
        <translation>「%1」は記帳されませんでした。

%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>定期取引「%1」を削除しますか?</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>記帳(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>スキップ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>No recurring transactions were posted: %1.</source>
        <translation>定期取引は記帳されませんでした: %1。</translation>
    </message>
</context>
<context>
    <name>RegisterColumnLayout</name>
    <message>
        <source>Show columns</source>
        <translation>表示する列</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>出納帳のレイアウトをリセット</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>小切手番号</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>消込</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>支払先 / メモ</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
    <message>
        <source>C</source>
        <comment>Clr mark of a cleared transaction</comment>
        <translation>消</translation>
    </message>
    <message>
        <source>R</source>
        <comment>Clr mark of a reconciled transaction</comment>
        <translation>照</translation>
    </message>
    <message>
        <source>Changed on this computer and on another one. Right-click to choose which version to keep.</source>
        <translation>このコンピューターと別のコンピューターで変更されました。右クリックして残すバージョンを選んでください。</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>The transaction could not be saved</source>
        <translation>取引を保存できませんでした</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  &apos;: copy above</source>
        <translation>%1: 保存  |  Enter: 次へ  |  %2: 削除  |  &apos;: 上の値をコピー</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: 保存  |  Enter: 次へ  |  %2: 削除  |  %3: 定期取引に登録  |  &apos;: 上の値をコピー</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>照合</translation>
    </message>
    <message>
        <source>The database could not be read; the register is left empty.</source>
        <translation>データベースを読み込めなかったため、出納帳は空のままです。</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>フィールドをクリアしました</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>新規挿入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>新規取引(&amp;N)...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>詳細を表示(&amp;T)...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>分割を編集(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>ダイアログで編集(&amp;E)...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>未消込にする(&amp;U)</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>消込済みにする(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>支払先は必須です</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>出金額または入金額を入力してください</translation>
    </message>
    <message>
        <source>%1 is not an amount</source>
        <translation>%1 は有効な金額ではありません</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>有効な日付を入力してください</translation>
    </message>
    <message>
        <source>No category named &quot;%1&quot;</source>
        <translation>「%1」という名前のカテゴリはありません</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>振替には、両方の口座が同じ通貨を使っている必要があります</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>「%1」(%2) を削除しますか?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>振替「%1」(%2) を削除しますか?

振替の両側の取引が削除されます。</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>定期取引に登録できません: 元の取引の日付が無効です</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>取引を定期取引として登録しました</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>定期取引を保存できませんでした</translation>
    </message>
    <message>
        <source>Reconciled Transaction</source>
        <translation>照合済みの取引</translation>
    </message>
    <message>
        <source>This transaction is reconciled. Change it anyway?</source>
        <translation>この取引は照合済みです。それでも変更しますか?</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>未保存の取引</translation>
    </message>
    <message>
        <source>Save the transaction you are entering?</source>
        <translation>入力中の取引を保存しますか?</translation>
    </message>
    <message>
        <source>Resolve Sync &amp;Conflict...</source>
        <translation>同期の競合を解決(&amp;C)...</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>収支</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>未分類</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税コード</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>収支</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>期間 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>期間 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>消込済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未消込</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>カテゴリ別支出</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>支払先別集計</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>税務レポート</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>収入と支出</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>キャッシュフロー</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>前年比較</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>口座サマリー</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>取引</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>今月</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>先月</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>今四半期</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>前四半期</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>今年</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>昨年</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>過去 30 日間</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>過去 90 日間</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>過去 12 か月間</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>全期間</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Show Chart</source>
        <translation>グラフを表示</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV にエクスポート</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>今年と昨年</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>昨年と一昨年</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>今四半期と前四半期</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>比較:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>期間 1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>期間 2:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>All %1 accounts</source>
        <translation>すべての %1 口座</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>すべてのカテゴリ</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>期間 1: %1 – %2    期間 2: %3 – %4</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>当座預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>エクスポート失敗</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>書き込めませんでした:
%1</translation>
    </message>
    <message>
        <source>Show More</source>
        <translation>さらに表示</translation>
    </message>
    <message>
        <source>Rows: %1 of %2 · Total: %3</source>
        <translation>行数: %1 / %2 · 合計: %3</translation>
    </message>
    <message>
        <source>Rows: %1 · Total: %2</source>
        <translation>行数: %1 · 合計: %2</translation>
    </message>
</context>
<context>
    <name>RestoreFlow</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>バックアップをインポート</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP ファイル (*.zip)</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>インポート失敗</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Restoring the backup...</source>
        <translation>バックアップを復元しています...</translation>
    </message>
    <message>
        <source>Finishing the restore...</source>
        <translation>復元を仕上げています...</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>インポート完了</translation>
    </message>
    <message>
        <source>Import Cancelled</source>
        <translation>インポートをキャンセルしました</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 件をインポートし、%2 件をスキップしました。</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n 件のエラーが発生しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>The restore was cancelled; nothing was changed.</source>
        <translation>復元をキャンセルしました。何も変更されていません。</translation>
    </message>
    <message>
        <source>

Your data as it was before the import is saved in:
%1</source>
        <translation>

インポート前のデータは次の場所に保存されています:
%1</translation>
    </message>
    <message>
        <source>Making a new ledger from the backup...</source>
        <translation>バックアップから新しい台帳を作成しています...</translation>
    </message>
    <message>
        <source>No new ledger was made, and the damaged file is as it was.

%1</source>
        <translation>新しい台帳は作成されませんでした。破損したファイルはそのままです。

%1</translation>
    </message>
    <message>
        <source>A new ledger was made from the backup: %1 items.

The damaged file was kept as:
%2</source>
        <translation>バックアップから新しい台帳を作成しました: %1 件。

破損したファイルは次の名前で残してあります:
%2</translation>
    </message>
</context>
<context>
    <name>RestoreModeDialog</name>
    <message>
        <source>Import Mode</source>
        <translation>インポート方法</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>既存のデータをどのように扱いますか?</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>すべてをバックアップのデータで置き換える</translation>
    </message>
    <message>
        <source>Every item in the backup overwrites the same item here, and items deleted since the backup come back. Items that are not in the backup are kept.</source>
        <translation>バックアップの各項目がこちらの同じ項目を上書きし、バックアップ以降に削除した項目も戻ります。バックアップにない項目はそのまま残ります。</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>新しい方を残す (タイムスタンプを比較)</translation>
    </message>
    <message>
        <source>An item in the backup overwrites the same item here only when it was changed later. Items deleted here stay deleted.</source>
        <translation>バックアップの項目は、こちらより後に変更された場合にだけ同じ項目を上書きします。こちらで削除した項目は削除されたままです。</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>既存の項目はスキップする</translation>
    </message>
    <message>
        <source>Only items that are not here at all are added; nothing here changes, and items deleted here stay deleted.</source>
        <translation>ここにまったくない項目だけを追加します。ここにあるものは変更されず、こちらで削除した項目は削除されたままです。</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>メイン当座口座</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>リバーベンド信用組合</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄口座</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa リワード</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>サミット銀行</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>支払先、メモ、小切手番号で検索...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>消込済みのみ</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>〜</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>すべてのカテゴリ</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>一致するものはありません</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>出納帳</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>データと同期</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Control how Mellowind Ledgerine looks.</source>
        <translation>Mellowind Ledgerine の見た目を設定します。</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Theme:</source>
        <translation>テーマ:</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>特大</translation>
    </message>
    <message>
        <source>Font size:</source>
        <translation>フォントサイズ:</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>日付とカレンダーの設定です。</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Week starts on:</source>
        <translation>週の始まり:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語:</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>出納帳での取引の表示方法です。</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>2 行で表示</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>支払先の下の 2 行目にメモを表示します。</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>出納帳での取引の並び順を設定します。</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>新しい取引を先頭に表示</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>有効にすると、最新の取引が一番上に表示されます。</translation>
    </message>
    <message>
        <source>Mellowind Ledgerine</source>
        <translation>Mellowind Ledgerine</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>A check register for household finances: accounts, categories, reconciliation, recurring transactions and reports, kept in one file on your computer.</source>
        <translation>家計用の小切手出納帳です。口座、カテゴリ、照合、定期取引、レポートを、コンピューター上の 1 つのファイルで管理します。</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web サイト</translation>
    </message>
    <message>
        <source>Help and support</source>
        <translation>ヘルプとサポート</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>プライバシーポリシー</translation>
    </message>
    <message>
        <source>© Mellowind. All rights reserved.</source>
        <translation>© Mellowind. All rights reserved.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>言語の変更</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Mellowind Ledgerine.</source>
        <translation>新しい言語は、次に Mellowind Ledgerine を起動したときに有効になります。</translation>
    </message>
    <message>
        <source>Language default (%1)</source>
        <translation>言語の既定 (%1)</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>日付の形式:</translation>
    </message>
</context>
<context>
    <name>SignInActions</name>
    <message>
        <source>Signed in successfully</source>
        <translation>サインインしました</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>サインインに失敗しました: %1</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Waiting for you to sign in with your web browser...</source>
        <translation>Web ブラウザーでのサインインを待っています...</translation>
    </message>
    <message>
        <source>Signed out</source>
        <translation>サインアウトしました</translation>
    </message>
    <message>
        <source>Mellowind Account</source>
        <translation>Mellowind アカウント</translation>
    </message>
    <message>
        <source>The system keyring did not answer in time: you are signed out for now.</source>
        <translation>システムのキーリングが時間内に応答しませんでした。現在はサインアウトしています。</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>取引の分割</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計: %1</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ 行を追加</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- 削除</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>残り: %1</translation>
    </message>
    <message>
        <source>Line %1 has an amount but no category.

Choose a category from the list for every line with an amount.</source>
        <translation>%1 行目に金額がありますが、カテゴリがありません。

金額のあるすべての行で、一覧からカテゴリを選んでください。</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n 口座</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  期日の定期取引 %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sync conflict(s)</source>
        <translation>
            <numerusform>同期の競合 %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries changed on this computer and on another one. Click to choose which version to keep.</source>
        <translation>このコンピューターと別のコンピューターで変更された項目です。クリックして残すバージョンを選んでください。</translation>
    </message>
</context>
<context>
    <name>StoreBanner</name>
    <message>
        <source>Import Backup...</source>
        <translation>バックアップをインポート...</translation>
    </message>
    <message>
        <source>This ledger file is read-only: you can look at it, but not change it. To make changes, allow writing to %1 and start Mellowind Ledgerine again.</source>
        <translation>この台帳ファイルは読み取り専用です。表示はできますが、変更はできません。変更するには %1 への書き込みを許可し、Mellowind Ledgerine を起動し直してください。</translation>
    </message>
</context>
<context>
    <name>StoreError</name>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>another program is writing to the ledger file</source>
        <translation>別のプログラムが台帳ファイルに書き込んでいます</translation>
    </message>
    <message>
        <source>the ledger file cannot be written</source>
        <translation>台帳ファイルに書き込めません</translation>
    </message>
    <message>
        <source>the ledger file is damaged</source>
        <translation>台帳ファイルが破損しています</translation>
    </message>
    <message>
        <source>the disk could not be written</source>
        <translation>ディスクに書き込めませんでした</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>メモリが足りません</translation>
    </message>
    <message>
        <source>the database refused a change</source>
        <translation>データベースが変更を拒否しました</translation>
    </message>
    <message>
        <source>the database refused a change (%1)</source>
        <translation>データベースが変更を拒否しました (%1)</translation>
    </message>
</context>
<context>
    <name>SyncConflictsDialog</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Account type</source>
        <translation>口座の種類</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>通貨</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>金融機関</translation>
    </message>
    <message>
        <source>Account number</source>
        <translation>口座番号</translation>
    </message>
    <message>
        <source>Starting balance</source>
        <translation>開始残高</translation>
    </message>
    <message>
        <source>Category type</source>
        <translation>カテゴリの種類</translation>
    </message>
    <message>
        <source>Parent category</source>
        <translation>親カテゴリ</translation>
    </message>
    <message>
        <source>Tax relevant</source>
        <translation>税務関連</translation>
    </message>
    <message>
        <source>Tax category</source>
        <translation>税区分</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Splits</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Check number</source>
        <translation>小切手番号</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>消込済み</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>照合済み</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>開始日</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>終了日</translation>
    </message>
    <message>
        <source>Next due date</source>
        <translation>次回の期日</translation>
    </message>
    <message>
        <source>Post automatically</source>
        <translation>自動で記帳</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Statement date</source>
        <translation>明細書の日付</translation>
    </message>
    <message>
        <source>Statement balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Reconciled balance</source>
        <translation>照合済み残高</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Transfer account</source>
        <translation>振替先口座</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>削除済み</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>自分のものを残す</translation>
    </message>
    <message>
        <source>Use the other computer&apos;s</source>
        <translation>別のコンピューターのものを使う</translation>
    </message>
    <message>
        <source>Sync Conflicts</source>
        <translation>同期の競合</translation>
    </message>
    <message>
        <source>These entries were changed on this computer and on another one before either saw the other&apos;s change. Choose which version to keep; the other computers then follow.</source>
        <translation>これらの項目は、互いの変更を受け取る前にこのコンピューターと別のコンピューターの両方で変更されました。残すバージョンを選んでください。他のコンピューターもそれに従います。</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>このコンピューター</translation>
    </message>
    <message>
        <source>Other computer</source>
        <translation>別のコンピューター</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>口座: %1</translation>
    </message>
    <message>
        <source>Category: %1</source>
        <translation>カテゴリ: %1</translation>
    </message>
    <message>
        <source>Recurring transaction: %1</source>
        <translation>定期取引: %1</translation>
    </message>
    <message>
        <source>Transaction: %1, %2</source>
        <translation>取引: %1、%2</translation>
    </message>
    <message>
        <source>Reconciliation of %1</source>
        <translation>%1 の照合</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No conflicts left.</source>
        <translation>競合は残っていません。</translation>
    </message>
    <message>
        <source>The other computer&apos;s version has not arrived yet. Using it fetches it from the server.</source>
        <translation>別のコンピューターのバージョンはまだ届いていません。使用するとサーバーから取得します。</translation>
    </message>
    <message>
        <source>(not received yet)</source>
        <translation>(未受信)</translation>
    </message>
    <message>
        <source>Import profile: %1</source>
        <translation>インポートプロファイル: %1</translation>
    </message>
</context>
<context>
    <name>SyncControlsWidget</name>
    <message>
        <source>Sync Now</source>
        <translation>今すぐ同期</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>完全同期を強制</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>最終同期: %1</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>未同期</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
エラー: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>ローカルのすべての行をサーバーに再アップロードし、サーバーのすべてのデータを再ダウンロードします。デバイス間でデータが一致していないように見える場合に使用してください。

続行しますか?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期しています...</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>同期済み</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期しています...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>同期エラー</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Could not prepare the data for the new account</source>
        <translation>新しいアカウント用のデータを準備できませんでした</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>送信に失敗しました (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>受信に失敗しました (HTTP %1)</translation>
    </message>
    <message>
        <source>Could not store the pulled changes</source>
        <translation>受信した変更を保存できませんでした</translation>
    </message>
    <message>
        <source>The server did not move on from its position in the change stream</source>
        <translation>サーバーが変更ストリーム内の位置から先に進みませんでした</translation>
    </message>
    <message>
        <source>Sync paused</source>
        <translation>同期を一時停止中</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) not accepted</source>
        <translation>
            <numerusform>%n 件のレコードが受け付けられませんでした</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncFeedback</name>
    <message>
        <source>Sync complete</source>
        <translation>同期が完了しました</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>同期に失敗しました: %1</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>The data on this computer was last synchronised with another Mellowind account or sync server.

Upload this computer&apos;s data to the account you are signed in to now?</source>
        <translation>このコンピューターのデータは、前回は別の Mellowind アカウントまたは同期サーバーと同期されていました。

現在サインインしているアカウントに、このコンピューターのデータをアップロードしますか?</translation>
    </message>
    <message>
        <source>Your access to %1 ended; your last change there was not sent.</source>
        <translation>%1 へのアクセスが終了しました。そこでの最後の変更は送信されませんでした。</translation>
    </message>
</context>
<context>
    <name>SyncServerSection</name>
    <message>
        <source>Check</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Sync server</source>
        <translation>同期サーバー</translation>
    </message>
    <message>
        <source>The server this computer signs in to and syncs with.</source>
        <translation>このコンピューターがサインインして同期するサーバーです。</translation>
    </message>
    <message>
        <source>https://ledger.example.org</source>
        <translation>https://ledger.example.org</translation>
    </message>
    <message>
        <source>Sync server at %1, version %2.
Sign-in: %3
Sync: %4</source>
        <translation>同期サーバー %1、バージョン %2。
サインイン: %3
同期: %4</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>The environment names the cloud services (AUTH_BASE_URL, ACCOUNT_API_URL, SYNC_API_URL); they are used instead of this address.</source>
        <translation>環境変数でクラウドサービスが指定されています (AUTH_BASE_URL、ACCOUNT_API_URL、SYNC_API_URL)。このアドレスの代わりにそれらが使われます。</translation>
    </message>
    <message>
        <source>No sync server is set.</source>
        <translation>同期サーバーが設定されていません。</translation>
    </message>
    <message>
        <source>Sign out to change the sync server.</source>
        <translation>同期サーバーを変更するにはサインアウトしてください。</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>%1 に問い合わせています...</translation>
    </message>
    <message>
        <source>No sync server found at %1: %2</source>
        <translation>%1 に同期サーバーが見つかりません: %2</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>取引の詳細</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>支払先:</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>小切手番号:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>振替先:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状態:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>入力日時: %1</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>最終更新: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>編集...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>削除...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>分割の明細</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(記録された分割の明細はありません)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(未分類)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>照合済み</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>消込済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未消込</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>未消込にする</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>消込済みにする</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more line(s)</source>
        <translation>
            <numerusform>… ほか %n 行</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>新規取引</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>取引の編集</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力すると支払先を検索します...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>この取引を複数のカテゴリに分割し、それぞれに金額とメモを設定します。</translation>
    </message>
    <message>
        <source>Clear split</source>
        <translation>分割を解除</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>分割をやめて、1 つのカテゴリの取引に戻します。</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>消込済み</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>支払先:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>小切手番号:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
    <message>
        <source>Edit splits...</source>
        <translation>分割を編集...</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>分割...</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>支払先は必須です</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>振替には、両方の口座が同じ通貨を使っている必要があります</translation>
    </message>
    <message>
        <source>The split lines add up to %1, not to the amount of %2: a difference of %3.</source>
        <translation>分割行の合計は %1 で、金額 %2 と一致しません (差額 %3)。</translation>
    </message>
    <message>
        <source>Put the difference on an &quot;Uncategorized&quot; line?</source>
        <translation>差額を「未分類」の行にしますか?</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>セッションが終了しました。同期を続けるには、もう一度サインインしてください。</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>完全にオフラインで動作します。データはこのデバイスに保存されます。</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>使い方</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>口座を追加します (当座預金、貯蓄預金、クレジットカードなど、管理したい口座なら何でも)。</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>支出のたびに取引を記録します。</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>明細書が届いたら照合します。</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>おかえりなさい</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>サインインして、デバイス間でデータを同期しましょう。</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>別の口座を作成</translation>
    </message>
    <message>
        <source>Welcome to
Mellowind Ledgerine</source>
        <translation>Mellowind Ledgerine へ
ようこそ</translation>
    </message>
    <message>
        <source>A digital check register.</source>
        <translation>デジタルの小切手出納帳。</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>アカウントをお持ちの方はサインイン</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>最初の口座を作成</translation>
    </message>
</context>
</TS>
