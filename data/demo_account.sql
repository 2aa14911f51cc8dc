-- Demo account database of an accounting suite: the data dictionary (t_Subsystem,
-- t_tabledescription, t_FieldDescription) and every table it describes, with sample rows.
-- Column types are SQL Server's; the embedded provider maps them to field types.
--
-- What the tests rely on:
--   * 15 subsystems; subsystem 12 is named with blanks around it (" 报表 ").
--   * 150 described tables; t_Sample has FTableID 205 and the description 示例表 / 示例表 / "Sample table".
--   * Find by name: FDescription Like '%凭证%' hits exactly three tables, in this order:
--     t_Voucher, t_VoucherEntry, t_VoucherTemplate (all in subsystem 1).
--   * Find by code: FTableName like '%ICStock%' hits exactly three tables, in this order:
--     t_ICStockBill, t_ICStockBillEntry, t_ICStockCheck (all in subsystem 7).
--     FTableName like '%Voucher%' hits the three voucher tables above.
--   * English description NULL: t_GLSettings, t_PA_Bank, t_CB_WIP; empty: t_ICCalcLog, t_FALocation, t_ReportCache.
--   * Blanks around the text: t_Account (description and table name), t_SEPrice, t_Bank.
--   * t_ImportTemp belongs to subsystem 99, which t_Subsystem lacks; its traditional description is NULL.
--   * FTableID 0: t_SystemProfile; negative FTableID -1: t_LogicTemp.
--   * t_Sample: every declared type; column FImage has no t_FieldDescription row and the row of FNote
--     carries the wrong FTableID (9205); sample rows with quotes, blanks, empty strings, NULLs,
--     characters beyond the Basic Multilingual Plane, large decimals, binary values and dates.
--   * Identity columns: "int IDENTITY(1,1)" (t_Sample.FID and many others); not the key in
--     t_ICStockBillEntry (FDetailID); INTEGER PRIMARY KEY AUTOINCREMENT in t_CS_CashJournal and t_ReportAudit.
--   * t_ICStockBillEntry.FAmount is a computed column.
--   * No index at all: t_ReportCache. No primary key but an index: t_SysLog.
--     Primary key without a constraint name: t_Stock, t_Department, t_LogicTemp.
--     UNIQUE constraint (automatic index): t_Currency.FNumber.
--   * t_ItemClass carries ibitype, soidsourcefield and ssourcetable for the converter's update
--     statements; its source tables are t_ICStockBill (type 7), t_POOrder (type 71) and the empty
--     t_SEOrder (type 5).
--   * SQLite's grammar takes no "(max)" size, so those types stand in brackets: [nvarchar(max)].
--   * Text columns are declared in the provider's collation (database_default), as a table made
--     through the provider has them: keys are unique as SQL Server compares them.
--   * Large decimals: SQLite keeps a decimal column's value as an integer (exact up to 19 digits) or a
--     double (15 significant digits), so the large sample values stay within those.

CREATE TABLE t_Account (
  FAccountID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FFullName nvarchar(255) COLLATE database_default NULL,
  FLevel tinyint NOT NULL DEFAULT (1),
  FDetail bit NOT NULL DEFAULT (1),
  FParentID int NOT NULL DEFAULT (0),
  FDC smallint NOT NULL DEFAULT (1),
  FGroupID int NOT NULL DEFAULT (0),
  FCurrencyID int NULL,
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_Account PRIMARY KEY (FAccountID)
);
CREATE UNIQUE INDEX uk_t_Account_Number ON t_Account (FNumber);
CREATE INDEX ix_t_Account_Parent ON t_Account (FParentID, FNumber);
CREATE TABLE t_Voucher (
  FVoucherID int NOT NULL,
  FDate datetime NOT NULL DEFAULT (getdate()),
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FGroupID int NOT NULL DEFAULT (0),
  FNumber int NOT NULL DEFAULT (0),
  FExplanation nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  FAttachments int NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FPosted bit NOT NULL DEFAULT (0),
  FSerialNum int NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_Voucher PRIMARY KEY (FVoucherID)
);
CREATE INDEX ix_t_Voucher_Period ON t_Voucher (FYear DESC, FPeriod DESC, FGroupID, FNumber);
CREATE INDEX ix_t_Voucher_Date ON t_Voucher (FDate DESC);
CREATE TABLE t_VoucherEntry (
  FVoucherID int NOT NULL,
  FEntryID int NOT NULL,
  FExplanation nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  FAccountID int NOT NULL,
  FCurrencyID int NOT NULL DEFAULT (1),
  FExchangeRate float NOT NULL DEFAULT (1),
  FDC smallint NOT NULL,
  FAmountFor money NOT NULL DEFAULT (0),
  FAmount money NOT NULL DEFAULT (0),
  FQty decimal(28,10) NULL,
  FCashFlowID int NULL,
  CONSTRAINT PK_t_VoucherEntry PRIMARY KEY (FVoucherID, FEntryID)
);
CREATE INDEX ix_t_VoucherEntry_Account ON t_VoucherEntry (FAccountID, FVoucherID DESC);
CREATE TABLE t_VoucherTemplate (
  FTemplateID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FGroupID int NOT NULL DEFAULT (0),
  FContent [varchar(max)] COLLATE database_default NULL,
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_VoucherTemplate PRIMARY KEY (FTemplateID)
);
CREATE TABLE t_Balance (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FAccountID int NOT NULL,
  FCurrencyID int NOT NULL,
  FBeginBalance money NOT NULL DEFAULT (0),
  FDebit money NOT NULL DEFAULT (0),
  FCredit money NOT NULL DEFAULT (0),
  FEndBalance money NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_Balance PRIMARY KEY (FYear, FPeriod, FAccountID, FCurrencyID)
);
CREATE INDEX ix_t_Balance_Account ON t_Balance (FAccountID);
CREATE TABLE t_QuantityBalance (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FAccountID int NOT NULL,
  FUnitID int NOT NULL DEFAULT (0),
  FBeginQty decimal(28,10) NOT NULL DEFAULT (0),
  FEndQty decimal(28,10) NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_QuantityBalance PRIMARY KEY (FYear, FPeriod, FAccountID)
);
CREATE TABLE t_CashFlowItem (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FParentID int NOT NULL DEFAULT (0),
  FDC smallint NOT NULL DEFAULT (1),
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_CashFlowItem PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_CashFlowItem_Number ON t_CashFlowItem (FNumber);
CREATE TABLE t_GLPeriod (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FBeginDate date NOT NULL,
  FEndDate date NOT NULL,
  FClosed bit NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_GLPeriod PRIMARY KEY (FYear, FPeriod)
);
CREATE TABLE t_AccountType (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDC smallint NOT NULL DEFAULT (1),
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_AccountType PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_AccountType_Number ON t_AccountType (FNumber);
CREATE TABLE t_Explanation (
  FID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(30) COLLATE database_default NOT NULL DEFAULT (''),
  FExplanation nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FCategory smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_Explanation PRIMARY KEY (FID)
);
CREATE INDEX ix_t_Explanation_Number ON t_Explanation (FNumber);
CREATE TABLE t_GLSettings (
  FKey varchar(50) COLLATE database_default NOT NULL,
  FValue nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  FExplain nvarchar(255) COLLATE database_default NULL,
  CONSTRAINT PK_t_GLSettings PRIMARY KEY (FKey)
);
CREATE TABLE t_AccountCurrency (
  FAccountID int NOT NULL,
  FCurrencyID int NOT NULL,
  CONSTRAINT PK_t_AccountCurrency PRIMARY KEY (FAccountID, FCurrencyID)
);
CREATE TABLE t_RP_ARBill (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FCustID int NOT NULL,
  FCurrencyID int NOT NULL DEFAULT (1),
  FAmount money NOT NULL DEFAULT (0),
  FRemainAmount money NOT NULL DEFAULT (0),
  FExplanation nvarchar(255) COLLATE database_default NULL,
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_RP_ARBill PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_RP_ARBill_Date ON t_RP_ARBill (FDate DESC, FBillNo);
CREATE TABLE t_RP_ARBillEntry (
  FInterID int NOT NULL,
  FEntryID int NOT NULL,
  FItemID int NOT NULL DEFAULT (0),
  FQty decimal(28,10) NOT NULL DEFAULT (0),
  FPrice decimal(28,10) NOT NULL DEFAULT (0),
  FAmount decimal(20,2) NOT NULL DEFAULT (0),
  FTaxRate decimal(6,2) NOT NULL DEFAULT (17),
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_RP_ARBillEntry PRIMARY KEY (FInterID, FEntryID)
);
CREATE INDEX ix_t_RP_ARBillEntry_Item ON t_RP_ARBillEntry (FItemID);
CREATE TABLE t_RP_NewReceiveBill (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FCustID int NOT NULL,
  FSettleID int NULL,
  FAmount money NOT NULL DEFAULT (0),
  FSettleNo varchar(50) COLLATE database_default NULL,
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_RP_NewReceiveBill PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_RP_NewReceiveBill_Date ON t_RP_NewReceiveBill (FDate DESC, FBillNo);
CREATE TABLE t_RP_Plan (
  FInterID int NOT NULL,
  FEntryID int NOT NULL,
  FReceiveDate datetime NOT NULL,
  FAmount money NOT NULL DEFAULT (0),
  FCheckAmount money NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_RP_Plan PRIMARY KEY (FInterID, FEntryID)
);
CREATE TABLE t_RP_CreditLimit (
  FCustID int NOT NULL,
  FCurrencyID int NOT NULL DEFAULT (1),
  FCreditLimit money NOT NULL DEFAULT (0),
  FCreditDays smallint NOT NULL DEFAULT (30),
  FEnabled bit NOT NULL DEFAULT (1),
  CONSTRAINT PK_t_RP_CreditLimit PRIMARY KEY (FCustID, FCurrencyID)
);
CREATE TABLE t_RP_ARBalance (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FCustID int NOT NULL,
  FBeginBalance money NOT NULL DEFAULT (0),
  FDebit money NOT NULL DEFAULT (0),
  FCredit money NOT NULL DEFAULT (0),
  FEndBalance money NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_RP_ARBalance PRIMARY KEY (FYear, FPeriod, FCustID)
);
CREATE TABLE t_RP_Settle (
  FID int IDENTITY(1,1) NOT NULL,
  FInterID int NOT NULL,
  FSourceInterID int NOT NULL,
  FCheckAmount money NOT NULL DEFAULT (0),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FUserID int NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_RP_Settle PRIMARY KEY (FID)
);
CREATE INDEX ix_t_RP_Settle_Source ON t_RP_Settle (FSourceInterID, FInterID);
CREATE TABLE t_RP_Aging (
  FID smallint NOT NULL,
  FName nvarchar(50) COLLATE database_default NOT NULL DEFAULT (''),
  FAgeFrom int NOT NULL DEFAULT (0),
  FAgeTo int NULL,
  CONSTRAINT PK_t_RP_Aging PRIMARY KEY (FID)
);
CREATE TABLE t_RP_Contact (
  FInterID int NOT NULL,
  FCustID int NOT NULL,
  FDate datetime NOT NULL,
  FAmount money NOT NULL DEFAULT (0),
  FContact nvarchar(50) COLLATE database_default NULL,
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_RP_Contact PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_RP_Contact_Cust ON t_RP_Contact (FCustID, FDate DESC);
CREATE TABLE t_RP_Interest (
  FInterID int NOT NULL,
  FCustID int NOT NULL,
  FRate decimal(9,6) NOT NULL DEFAULT (0),
  FDays int NOT NULL DEFAULT (0),
  FAmount money NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_RP_Interest PRIMARY KEY (FInterID)
);
CREATE TABLE t_RP_APBill (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FSupplyID int NOT NULL,
  FCurrencyID int NOT NULL DEFAULT (1),
  FAmount money NOT NULL DEFAULT (0),
  FRemainAmount money NOT NULL DEFAULT (0),
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_RP_APBill PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_RP_APBill_Date ON t_RP_APBill (FDate DESC, FBillNo);
CREATE TABLE t_RP_APBillEntry (
  FInterID int NOT NULL,
  FEntryID int NOT NULL,
  FItemID int NOT NULL DEFAULT (0),
  FQty decimal(28,10) NOT NULL DEFAULT (0),
  FPrice decimal(28,10) NOT NULL DEFAULT (0),
  FAmount decimal(20,2) NOT NULL DEFAULT (0),
  FTaxAmount money NOT NULL DEFAULT (0),
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_RP_APBillEntry PRIMARY KEY (FInterID, FEntryID)
);
CREATE INDEX ix_t_RP_APBillEntry_Item ON t_RP_APBillEntry (FItemID);
CREATE TABLE t_RP_PayBill (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FSupplyID int NOT NULL,
  FSettleID int NULL,
  FAmount money NOT NULL DEFAULT (0),
  FCheckNo varchar(30) COLLATE database_default NULL,
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_RP_PayBill PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_RP_PayBill_Date ON t_RP_PayBill (FDate DESC, FBillNo);
CREATE TABLE t_RP_APBalance (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FSupplyID int NOT NULL,
  FBeginBalance money NOT NULL DEFAULT (0),
  FDebit money NOT NULL DEFAULT (0),
  FCredit money NOT NULL DEFAULT (0),
  FEndBalance money NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_RP_APBalance PRIMARY KEY (FYear, FPeriod, FSupplyID)
);
CREATE TABLE t_RP_PayPlan (
  FInterID int NOT NULL,
  FEntryID int NOT NULL,
  FPayDate datetime NOT NULL,
  FAmount money NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_RP_PayPlan PRIMARY KEY (FInterID, FEntryID)
);
CREATE TABLE t_RP_Prepay (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FSupplyID int NOT NULL,
  FAmount money NOT NULL DEFAULT (0),
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_RP_Prepay PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_RP_Prepay_Date ON t_RP_Prepay (FDate DESC, FBillNo);
CREATE TABLE t_RP_APSettle (
  FID int IDENTITY(1,1) NOT NULL,
  FInterID int NOT NULL,
  FSourceInterID int NOT NULL,
  FCheckAmount money NOT NULL DEFAULT (0),
  FDate datetime NOT NULL DEFAULT (getdate()),
  CONSTRAINT PK_t_RP_APSettle PRIMARY KEY (FID)
);
CREATE TABLE t_RP_PayCondition (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDays smallint NOT NULL DEFAULT (0),
  FDiscount decimal(5,2) NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_RP_PayCondition PRIMARY KEY (FItemID)
);
CREATE TABLE t_ICBal (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FStockID int NOT NULL,
  FItemID int NOT NULL,
  FBatchNo varchar(200) COLLATE database_default NOT NULL DEFAULT (''),
  FBeginQty decimal(28,10) NOT NULL DEFAULT (0),
  FBeginBalance decimal(20,2) NOT NULL DEFAULT (0),
  FEndQty decimal(28,10) NOT NULL DEFAULT (0),
  FEndBalance decimal(20,2) NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_ICBal PRIMARY KEY (FYear, FPeriod, FStockID, FItemID, FBatchNo)
);
CREATE INDEX ix_t_ICBal_Item ON t_ICBal (FItemID, FStockID);
CREATE TABLE t_ICInvBal (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FItemID int NOT NULL,
  FBeginQty decimal(28,10) NOT NULL DEFAULT (0),
  FBeginBalance decimal(20,2) NOT NULL DEFAULT (0),
  FEndQty decimal(28,10) NOT NULL DEFAULT (0),
  FEndBalance decimal(20,2) NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_ICInvBal PRIMARY KEY (FYear, FPeriod, FItemID)
);
CREATE TABLE t_ICCostAdj (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FStockID int NULL,
  FExplanation nvarchar(255) COLLATE database_default NULL,
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_ICCostAdj PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_ICCostAdj_Date ON t_ICCostAdj (FDate DESC, FBillNo);
CREATE TABLE t_ICCostAdjEntry (
  FInterID int NOT NULL,
  FEntryID int NOT NULL,
  FItemID int NOT NULL DEFAULT (0),
  FQty decimal(28,10) NOT NULL DEFAULT (0),
  FPrice decimal(28,10) NOT NULL DEFAULT (0),
  FAmount decimal(20,2) NOT NULL DEFAULT (0),
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_ICCostAdjEntry PRIMARY KEY (FInterID, FEntryID)
);
CREATE INDEX ix_t_ICCostAdjEntry_Item ON t_ICCostAdjEntry (FItemID);
CREATE TABLE t_ICPriceHist (
  FID int IDENTITY(1,1) NOT NULL,
  FItemID int NOT NULL,
  FDate datetime NOT NULL,
  FPrice decimal(28,10) NOT NULL DEFAULT (0),
  FQty decimal(28,10) NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_ICPriceHist PRIMARY KEY (FID)
);
CREATE INDEX ix_t_ICPriceHist_Item ON t_ICPriceHist (FItemID, FDate DESC);
CREATE TABLE t_ICPeriod (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FBeginDate datetime NOT NULL,
  FEndDate datetime NOT NULL,
  FClosed bit NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_ICPeriod PRIMARY KEY (FYear, FPeriod)
);
CREATE TABLE t_ICCalcLog (
  FID int IDENTITY(1,1) NOT NULL,
  FCalcTime datetime NOT NULL DEFAULT (getdate()),
  FUserID int NOT NULL DEFAULT (0),
  FMessage ntext COLLATE database_default NULL,
  CONSTRAINT PK_t_ICCalcLog PRIMARY KEY (FID)
);
CREATE TABLE t_ICDiffRate (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FItemID int NOT NULL,
  FRate real NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_ICDiffRate PRIMARY KEY (FYear, FPeriod, FItemID)
);
CREATE TABLE t_ICMaterialPrice (
  FItemID int NOT NULL,
  FBeginDate datetime NOT NULL,
  FPrice decimal(28,10) NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_ICMaterialPrice PRIMARY KEY (FItemID, FBeginDate)
);
CREATE TABLE t_POOrder (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FSupplyID int NOT NULL,
  FCurrencyID int NOT NULL DEFAULT (1),
  FExchangeRate float NOT NULL DEFAULT (1),
  FPOStyle smallint NOT NULL DEFAULT (0),
  FDeptID int NULL,
  FEmpID int NULL,
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_POOrder PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_POOrder_Date ON t_POOrder (FDate DESC, FBillNo);
CREATE TABLE t_POOrderEntry (
  FInterID int NOT NULL,
  FEntryID int NOT NULL,
  FItemID int NOT NULL DEFAULT (0),
  FQty decimal(28,10) NOT NULL DEFAULT (0),
  FPrice decimal(28,10) NOT NULL DEFAULT (0),
  FAmount decimal(20,2) NOT NULL DEFAULT (0),
  FTaxRate decimal(6,2) NOT NULL DEFAULT (17),
  FFetchDate datetime NULL,
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_POOrderEntry PRIMARY KEY (FInterID, FEntryID)
);
CREATE INDEX ix_t_POOrderEntry_Item ON t_POOrderEntry (FItemID);
CREATE TABLE t_PORequest (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FDeptID int NULL,
  FEmpID int NULL,
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_PORequest PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_PORequest_Date ON t_PORequest (FDate DESC, FBillNo);
CREATE TABLE t_PORequestEntry (
  FInterID int NOT NULL,
  FEntryID int NOT NULL,
  FItemID int NOT NULL DEFAULT (0),
  FQty decimal(28,10) NOT NULL DEFAULT (0),
  FPrice decimal(28,10) NOT NULL DEFAULT (0),
  FAmount decimal(20,2) NOT NULL DEFAULT (0),
  FFetchDate datetime NULL,
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_PORequestEntry PRIMARY KEY (FInterID, FEntryID)
);
CREATE INDEX ix_t_PORequestEntry_Item ON t_PORequestEntry (FItemID);
CREATE TABLE t_POInStock (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FSupplyID int NOT NULL,
  FStockID int NULL,
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_POInStock PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_POInStock_Date ON t_POInStock (FDate DESC, FBillNo);
CREATE TABLE t_POInStockEntry (
  FInterID int NOT NULL,
  FEntryID int NOT NULL,
  FItemID int NOT NULL DEFAULT (0),
  FQty decimal(28,10) NOT NULL DEFAULT (0),
  FPrice decimal(28,10) NOT NULL DEFAULT (0),
  FAmount decimal(20,2) NOT NULL DEFAULT (0),
  FOrderBillNo nvarchar(255) COLLATE database_default NULL,
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_POInStockEntry PRIMARY KEY (FInterID, FEntryID)
);
CREATE INDEX ix_t_POInStockEntry_Item ON t_POInStockEntry (FItemID);
CREATE TABLE t_POInvoice (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FSupplyID int NOT NULL,
  FCurrencyID int NOT NULL DEFAULT (1),
  FTaxNo varchar(30) COLLATE database_default NULL,
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_POInvoice PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_POInvoice_Date ON t_POInvoice (FDate DESC, FBillNo);
CREATE TABLE t_POInvoiceEntry (
  FInterID int NOT NULL,
  FEntryID int NOT NULL,
  FItemID int NOT NULL DEFAULT (0),
  FQty decimal(28,10) NOT NULL DEFAULT (0),
  FPrice decimal(28,10) NOT NULL DEFAULT (0),
  FAmount decimal(20,2) NOT NULL DEFAULT (0),
  FTaxAmount decimal(20,2) NOT NULL DEFAULT (0),
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_POInvoiceEntry PRIMARY KEY (FInterID, FEntryID)
);
CREATE INDEX ix_t_POInvoiceEntry_Item ON t_POInvoiceEntry (FItemID);
CREATE TABLE t_SupplyPrice (
  FSupplyID int NOT NULL,
  FItemID int NOT NULL,
  FCurrencyID int NOT NULL DEFAULT (1),
  FPrice decimal(28,10) NOT NULL DEFAULT (0),
  FBeginDate datetime NOT NULL,
  FEndDate datetime NULL,
  CONSTRAINT PK_t_SupplyPrice PRIMARY KEY (FSupplyID, FItemID, FCurrencyID, FBeginDate)
);
CREATE TABLE t_POContract (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FSupplyID int NOT NULL,
  FAmount money NOT NULL DEFAULT (0),
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_POContract PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_POContract_Date ON t_POContract (FDate DESC, FBillNo);
CREATE TABLE t_SEOrder (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FCustID int NOT NULL,
  FCurrencyID int NOT NULL DEFAULT (1),
  FSaleStyle smallint NOT NULL DEFAULT (0),
  FDeptID int NULL,
  FEmpID int NULL,
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_SEOrder PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_SEOrder_Date ON t_SEOrder (FDate DESC, FBillNo);
CREATE TABLE t_SEOrderEntry (
  FInterID int NOT NULL,
  FEntryID int NOT NULL,
  FItemID int NOT NULL DEFAULT (0),
  FQty decimal(28,10) NOT NULL DEFAULT (0),
  FPrice decimal(28,10) NOT NULL DEFAULT (0),
  FAmount decimal(20,2) NOT NULL DEFAULT (0),
  FDiscount decimal(6,2) NOT NULL DEFAULT (0),
  FFetchDate datetime NULL,
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_SEOrderEntry PRIMARY KEY (FInterID, FEntryID)
);
CREATE INDEX ix_t_SEOrderEntry_Item ON t_SEOrderEntry (FItemID);
CREATE TABLE t_SEOutStock (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FCustID int NOT NULL,
  FStockID int NULL,
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_SEOutStock PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_SEOutStock_Date ON t_SEOutStock (FDate DESC, FBillNo);
CREATE TABLE t_SEOutStockEntry (
  FInterID int NOT NULL,
  FEntryID int NOT NULL,
  FItemID int NOT NULL DEFAULT (0),
  FQty decimal(28,10) NOT NULL DEFAULT (0),
  FPrice decimal(28,10) NOT NULL DEFAULT (0),
  FAmount decimal(20,2) NOT NULL DEFAULT (0),
  FOrderBillNo nvarchar(255) COLLATE database_default NULL,
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_SEOutStockEntry PRIMARY KEY (FInterID, FEntryID)
);
CREATE INDEX ix_t_SEOutStockEntry_Item ON t_SEOutStockEntry (FItemID);
CREATE TABLE t_SEQuote (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FCustID int NOT NULL,
  FEndDate datetime NULL,
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_SEQuote PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_SEQuote_Date ON t_SEQuote (FDate DESC, FBillNo);
CREATE TABLE t_SEQuoteEntry (
  FInterID int NOT NULL,
  FEntryID int NOT NULL,
  FItemID int NOT NULL DEFAULT (0),
  FQty decimal(28,10) NOT NULL DEFAULT (0),
  FPrice decimal(28,10) NOT NULL DEFAULT (0),
  FAmount decimal(20,2) NOT NULL DEFAULT (0),
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_SEQuoteEntry PRIMARY KEY (FInterID, FEntryID)
);
CREATE INDEX ix_t_SEQuoteEntry_Item ON t_SEQuoteEntry (FItemID);
CREATE TABLE t_SEPrice (
  FID int IDENTITY(1,1) NOT NULL,
  FItemID int NOT NULL,
  FCustID int NULL,
  FPrice decimal(28,10) NOT NULL DEFAULT (0),
  FBeginDate datetime NOT NULL,
  FEndDate datetime NULL,
  CONSTRAINT PK_t_SEPrice PRIMARY KEY (FID)
);
CREATE INDEX ix_t_SEPrice_Item ON t_SEPrice (FItemID, FBeginDate DESC);
CREATE TABLE t_SEDiscount (
  FID int IDENTITY(1,1) NOT NULL,
  FCustID int NULL,
  FDiscount decimal(6,2) NOT NULL DEFAULT (0),
  FBeginDate datetime NOT NULL,
  CONSTRAINT PK_t_SEDiscount PRIMARY KEY (FID)
);
CREATE TABLE t_SEInvoice (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FCustID int NOT NULL,
  FCurrencyID int NOT NULL DEFAULT (1),
  FTaxNo varchar(30) COLLATE database_default NULL,
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_SEInvoice PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_SEInvoice_Date ON t_SEInvoice (FDate DESC, FBillNo);
CREATE TABLE t_SEInvoiceEntry (
  FInterID int NOT NULL,
  FEntryID int NOT NULL,
  FItemID int NOT NULL DEFAULT (0),
  FQty decimal(28,10) NOT NULL DEFAULT (0),
  FPrice decimal(28,10) NOT NULL DEFAULT (0),
  FAmount decimal(20,2) NOT NULL DEFAULT (0),
  FTaxAmount decimal(20,2) NOT NULL DEFAULT (0),
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_SEInvoiceEntry PRIMARY KEY (FInterID, FEntryID)
);
CREATE INDEX ix_t_SEInvoiceEntry_Item ON t_SEInvoiceEntry (FItemID);
CREATE TABLE t_ICStockBill (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FTranType smallint NOT NULL,
  FStockID int NULL,
  FDeptID int NULL,
  FSourceBillNo nvarchar(255) COLLATE database_default NULL,
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_ICStockBill PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_ICStockBill_Date ON t_ICStockBill (FDate DESC, FBillNo);
CREATE TABLE t_ICStockBillEntry (
  FInterID int NOT NULL,
  FEntryID int NOT NULL,
  FDetailID int IDENTITY(1,1) NOT NULL,
  FItemID int NOT NULL,
  FQty decimal(28,10) NOT NULL DEFAULT (0),
  FPrice decimal(28,10) NOT NULL DEFAULT (0),
  FAmount decimal(20,2) GENERATED ALWAYS AS (round(FQty * FPrice, 2)) VIRTUAL,
  FBatchNo varchar(200) COLLATE database_default NOT NULL DEFAULT (''),
  FKFDate date NULL,
  FStockID int NULL,
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_ICStockBillEntry PRIMARY KEY (FInterID, FEntryID)
);
CREATE INDEX ix_t_ICStockBillEntry_Detail ON t_ICStockBillEntry (FDetailID);
CREATE INDEX ix_t_ICStockBillEntry_Item ON t_ICStockBillEntry (FItemID, FStockID DESC, FBatchNo);
CREATE TABLE t_ICStockCheck (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FStockID int NULL,
  FExplanation nvarchar(255) COLLATE database_default NULL,
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_ICStockCheck PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_ICStockCheck_Date ON t_ICStockCheck (FDate DESC, FBillNo);
CREATE TABLE t_Stock (
  FItemID int NOT NULL PRIMARY KEY,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FAddress nvarchar(255) COLLATE database_default NULL,
  FEmpID int NULL,
  FDeleted smallint NOT NULL DEFAULT (0)
);
CREATE INDEX ix_t_Stock_Number ON t_Stock (FNumber);
CREATE TABLE t_StockPlace (
  FSPID int IDENTITY(1,1) NOT NULL,
  FStockID int NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  CONSTRAINT PK_t_StockPlace PRIMARY KEY (FSPID)
);
CREATE INDEX ix_t_StockPlace_Stock ON t_StockPlace (FStockID, FNumber);
CREATE TABLE t_ICInventory (
  FStockID int NOT NULL,
  FItemID int NOT NULL,
  FBatchNo varchar(200) COLLATE database_default NOT NULL DEFAULT (''),
  FQty decimal(28,10) NOT NULL DEFAULT (0),
  FLockQty decimal(28,10) NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_ICInventory PRIMARY KEY (FStockID, FItemID, FBatchNo)
);
CREATE INDEX ix_t_ICInventory_Item ON t_ICInventory (FItemID);
CREATE TABLE t_ICBatch (
  FItemID int NOT NULL,
  FBatchNo varchar(200) COLLATE database_default NOT NULL,
  FKFDate date NULL,
  FKFPeriod int NULL,
  CONSTRAINT PK_t_ICBatch PRIMARY KEY (FItemID, FBatchNo)
);
CREATE TABLE t_ICSerial (
  FSerialNo varchar(80) COLLATE database_default NOT NULL,
  FItemID int NOT NULL,
  FStockID int NULL,
  FStatus smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_ICSerial PRIMARY KEY (FSerialNo)
);
CREATE INDEX ix_t_ICSerial_Item ON t_ICSerial (FItemID);
CREATE TABLE t_ICLock (
  FID int IDENTITY(1,1) NOT NULL,
  FStockID int NOT NULL,
  FItemID int NOT NULL,
  FLockQty decimal(28,10) NOT NULL DEFAULT (0),
  FSourceInterID int NULL,
  CONSTRAINT PK_t_ICLock PRIMARY KEY (FID)
);
CREATE TABLE t_ICCheckEntry (
  FInterID int NOT NULL,
  FEntryID int NOT NULL,
  FItemID int NOT NULL,
  FBookQty decimal(28,10) NOT NULL DEFAULT (0),
  FCheckQty decimal(28,10) NULL,
  FDiffQty decimal(28,10) NULL,
  CONSTRAINT PK_t_ICCheckEntry PRIMARY KEY (FInterID, FEntryID)
);
CREATE TABLE t_FACard (
  FCardID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FTypeID int NOT NULL,
  FDeptID int NULL,
  FBeginDate datetime NOT NULL,
  FOriginalValue money NOT NULL DEFAULT (0),
  FDepr money NOT NULL DEFAULT (0),
  FLife smallint NOT NULL DEFAULT (60),
  FResidualRate decimal(5,2) NOT NULL DEFAULT (5),
  CONSTRAINT PK_t_FACard PRIMARY KEY (FCardID)
);
CREATE INDEX ix_t_FACard_Number ON t_FACard (FNumber);
CREATE INDEX ix_t_FACard_Type ON t_FACard (FTypeID, FDeptID);
CREATE TABLE t_FAAlter (
  FID int IDENTITY(1,1) NOT NULL,
  FCardID int NOT NULL,
  FAlterType smallint NOT NULL,
  FDate datetime NOT NULL,
  FOriginalValue money NULL,
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_FAAlter PRIMARY KEY (FID)
);
CREATE INDEX ix_t_FAAlter_Card ON t_FAAlter (FCardID, FDate DESC);
CREATE TABLE t_FADept (
  FCardID int NOT NULL,
  FDeptID int NOT NULL,
  FRate decimal(5,2) NOT NULL DEFAULT (100),
  CONSTRAINT PK_t_FADept PRIMARY KEY (FCardID, FDeptID)
);
CREATE TABLE t_FAType (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FLife smallint NOT NULL DEFAULT (60),
  FDeprMethod smallint NOT NULL DEFAULT (1),
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_FAType PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_FAType_Number ON t_FAType (FNumber);
CREATE TABLE t_FADepr (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FCardID int NOT NULL,
  FAmount money NOT NULL DEFAULT (0),
  FDeprRate decimal(9,6) NULL,
  FNetValue money NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_FADepr PRIMARY KEY (FYear, FPeriod, FCardID)
);
CREATE TABLE t_FAClear (
  FID int IDENTITY(1,1) NOT NULL,
  FCardID int NOT NULL,
  FDate datetime NOT NULL,
  FAmount money NOT NULL DEFAULT (0),
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_FAClear PRIMARY KEY (FID)
);
CREATE TABLE t_FAWorkload (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FCardID int NOT NULL,
  FWorkload decimal(18,4) NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_FAWorkload PRIMARY KEY (FYear, FPeriod, FCardID)
);
CREATE TABLE t_FAStatus (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FEnabled bit NOT NULL DEFAULT (1),
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_FAStatus PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_FAStatus_Number ON t_FAStatus (FNumber);
CREATE TABLE t_FALocation (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FAddress nvarchar(255) COLLATE database_default NULL,
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_FALocation PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_FALocation_Number ON t_FALocation (FNumber);
CREATE TABLE t_FAAlterType (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FTypeID smallint NOT NULL DEFAULT (0),
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_FAAlterType PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_FAAlterType_Number ON t_FAAlterType (FNumber);
CREATE TABLE t_PA_Item (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDataType smallint NOT NULL DEFAULT (0),
  FLength smallint NOT NULL DEFAULT (10),
  FDefault smallmoney NULL,
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_PA_Item PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_PA_Item_Number ON t_PA_Item (FNumber);
CREATE TABLE t_PA_Data (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FEmpID int NOT NULL,
  FSalary money NOT NULL DEFAULT (0),
  FTax money NOT NULL DEFAULT (0),
  FNetPay money NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_PA_Data PRIMARY KEY (FYear, FPeriod, FEmpID)
);
CREATE INDEX ix_t_PA_Data_Emp ON t_PA_Data (FEmpID, FYear DESC, FPeriod DESC);
CREATE TABLE t_PA_Formula (
  FID int IDENTITY(1,1) NOT NULL,
  FClassID int NOT NULL,
  FFormula [nvarchar(max)] COLLATE database_default NULL,
  CONSTRAINT PK_t_PA_Formula PRIMARY KEY (FID)
);
CREATE TABLE t_PA_Class (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FCurrencyID int NOT NULL DEFAULT (1),
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_PA_Class PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_PA_Class_Number ON t_PA_Class (FNumber);
CREATE TABLE t_PA_Tax (
  FID smallint NOT NULL,
  FBase money NOT NULL DEFAULT (0),
  FRate decimal(5,2) NOT NULL DEFAULT (0),
  FQuick money NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_PA_Tax PRIMARY KEY (FID)
);
CREATE TABLE t_PA_Period (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FBeginDate date NOT NULL,
  FEndDate date NOT NULL,
  CONSTRAINT PK_t_PA_Period PRIMARY KEY (FYear, FPeriod)
);
CREATE TABLE t_PA_Bank (
  FEmpID int NOT NULL,
  FBankID int NOT NULL,
  FBankAccount varchar(40) COLLATE database_default NOT NULL DEFAULT (''),
  CONSTRAINT PK_t_PA_Bank PRIMARY KEY (FEmpID)
);
CREATE TABLE t_PA_Dist (
  FID int IDENTITY(1,1) NOT NULL,
  FDeptID int NOT NULL,
  FAccountID int NOT NULL,
  FRate decimal(5,2) NOT NULL DEFAULT (100),
  CONSTRAINT PK_t_PA_Dist PRIMARY KEY (FID)
);
CREATE TABLE t_PA_Dept (
  FClassID int NOT NULL,
  FDeptID int NOT NULL,
  CONSTRAINT PK_t_PA_Dept PRIMARY KEY (FClassID, FDeptID)
);
CREATE TABLE t_CS_CashJournal (
  FID INTEGER PRIMARY KEY AUTOINCREMENT,
  FDate datetime NOT NULL,
  FAccountID int NOT NULL,
  FExplanation nvarchar(255) COLLATE database_default NULL,
  FDebit money NOT NULL DEFAULT (0),
  FCredit money NOT NULL DEFAULT (0),
  FUserID int NOT NULL DEFAULT (0)
);
CREATE INDEX ix_t_CS_CashJournal_Date ON t_CS_CashJournal (FAccountID, FDate DESC);
CREATE TABLE t_CS_BankJournal (
  FID int IDENTITY(1,1) NOT NULL,
  FDate datetime NOT NULL,
  FAccountID int NOT NULL,
  FCheckNo varchar(30) COLLATE database_default NULL,
  FDebit money NOT NULL DEFAULT (0),
  FCredit money NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_CS_BankJournal PRIMARY KEY (FID)
);
CREATE TABLE t_CS_BankStatement (
  FID int IDENTITY(1,1) NOT NULL,
  FAccountID int NOT NULL,
  FDate datetime NOT NULL,
  FDebit money NOT NULL DEFAULT (0),
  FCredit money NOT NULL DEFAULT (0),
  FStatus smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_CS_BankStatement PRIMARY KEY (FID)
);
CREATE TABLE t_CS_Check (
  FCheckNo varchar(30) COLLATE database_default NOT NULL,
  FAccountID int NOT NULL,
  FDate datetime NOT NULL,
  FPayee nvarchar(80) COLLATE database_default NULL,
  FAmount money NULL,
  FUse nvarchar(255) COLLATE database_default NULL,
  CONSTRAINT PK_t_CS_Check PRIMARY KEY (FCheckNo, FAccountID)
);
CREATE TABLE t_CS_CashCount (
  FDate datetime NOT NULL,
  FDenomination smallmoney NOT NULL,
  FCount int NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_CS_CashCount PRIMARY KEY (FDate, FDenomination)
);
CREATE TABLE t_CS_Transfer (
  FInterID int NOT NULL,
  FDate datetime NOT NULL,
  FFromAcctID int NOT NULL,
  FToAcctID int NOT NULL,
  FAmount money NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_CS_Transfer PRIMARY KEY (FInterID)
);
CREATE TABLE t_CS_Settle (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_CS_Settle PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_CS_Settle_Number ON t_CS_Settle (FNumber);
CREATE TABLE t_CS_Deposit (
  FID int IDENTITY(1,1) NOT NULL,
  FBankID int NOT NULL,
  FBeginDate date NOT NULL,
  FEndDate date NOT NULL,
  FAmount money NOT NULL DEFAULT (0),
  FRate decimal(9,6) NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_CS_Deposit PRIMARY KEY (FID)
);
CREATE TABLE t_CB_CostObj (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FTypeID smallint NOT NULL DEFAULT (0),
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_CB_CostObj PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_CB_CostObj_Number ON t_CB_CostObj (FNumber);
CREATE TABLE t_CB_CostItem (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FTypeID smallint NOT NULL DEFAULT (0),
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_CB_CostItem PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_CB_CostItem_Number ON t_CB_CostItem (FNumber);
CREATE TABLE t_CB_Expense (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FDeptID int NOT NULL,
  FCostItemID int NOT NULL,
  FAmount decimal(20,2) NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_CB_Expense PRIMARY KEY (FYear, FPeriod, FDeptID, FCostItemID)
);
CREATE TABLE t_CB_Alloc (
  FCostObjID int NOT NULL,
  FAllocBase numeric(18,4) NOT NULL DEFAULT (0),
  FTypeID smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_CB_Alloc PRIMARY KEY (FCostObjID, FTypeID)
);
CREATE TABLE t_CB_WIP (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FCostObjID int NOT NULL,
  FWIPQty decimal(28,10) NOT NULL DEFAULT (0),
  FAmount decimal(20,2) NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_CB_WIP PRIMARY KEY (FYear, FPeriod, FCostObjID)
);
CREATE TABLE t_CB_Result (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FCostObjID int NOT NULL,
  FCostItemID int NOT NULL,
  FFinishQty decimal(28,10) NOT NULL DEFAULT (0),
  FActualCost decimal(20,2) NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_CB_Result PRIMARY KEY (FYear, FPeriod, FCostObjID, FCostItemID)
);
CREATE TABLE t_CB_Standard (
  FItemID int NOT NULL,
  FCostItemID int NOT NULL,
  FStdCost decimal(28,10) NOT NULL DEFAULT (0),
  FBeginDate datetime NOT NULL,
  CONSTRAINT PK_t_CB_Standard PRIMARY KEY (FItemID, FCostItemID, FBeginDate)
);
CREATE TABLE t_CB_Period (
  FYear smallint NOT NULL,
  FPeriod tinyint NOT NULL,
  FClosed bit NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_CB_Period PRIMARY KEY (FYear, FPeriod)
);
CREATE TABLE t_Report (
  FReportID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDescription [nvarchar(max)] COLLATE database_default NULL,
  FUserID int NOT NULL DEFAULT (0),
  FUpdateTime datetime NULL DEFAULT (getdate()),
  CONSTRAINT PK_t_Report PRIMARY KEY (FReportID)
);
CREATE INDEX ix_t_Report_Number ON t_Report (FNumber);
CREATE TABLE t_ReportItem (
  FReportID int NOT NULL,
  FRow int NOT NULL,
  FCol smallint NOT NULL,
  FContent nvarchar(4000) COLLATE database_default NULL,
  CONSTRAINT PK_t_ReportItem PRIMARY KEY (FReportID, FRow, FCol)
);
CREATE TABLE t_ReportFormula (
  FReportID int NOT NULL,
  FRow int NOT NULL,
  FCol smallint NOT NULL,
  FFormula [varchar(max)] COLLATE database_default NULL,
  CONSTRAINT PK_t_ReportFormula PRIMARY KEY (FReportID, FRow, FCol)
);
CREATE TABLE t_ReportCache (
  FCacheKey varchar(100) COLLATE database_default NOT NULL,
  FCacheData image NULL,
  FExpire datetime NULL
);
CREATE TABLE t_ReportStyle (
  FReportID int NOT NULL,
  FStyle ntext COLLATE database_default NULL,
  CONSTRAINT PK_t_ReportStyle PRIMARY KEY (FReportID)
);
CREATE TABLE t_ReportPrint (
  FReportID int NOT NULL,
  FPaper varchar(20) COLLATE database_default NOT NULL DEFAULT ('A4'),
  FOrientation tinyint NOT NULL DEFAULT (0),
  FMargin real NOT NULL DEFAULT (10),
  CONSTRAINT PK_t_ReportPrint PRIMARY KEY (FReportID)
);
CREATE TABLE t_ReportAudit (
  FID INTEGER PRIMARY KEY AUTOINCREMENT,
  FReportID int NOT NULL,
  FFormula nvarchar(1000) COLLATE database_default NULL,
  FMessage nvarchar(255) COLLATE database_default NULL
);
CREATE INDEX ix_t_ReportAudit_Report ON t_ReportAudit (FReportID);
CREATE TABLE t_Subsystem (
  FSubSysID int NOT NULL,
  FName nvarchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName_CHT nvarchar(80) COLLATE database_default NULL,
  FName_EN nvarchar(80) COLLATE database_default NULL,
  CONSTRAINT PK_t_Subsystem PRIMARY KEY (FSubSysID)
);
CREATE TABLE t_tabledescription (
  FSubSystemID int NOT NULL DEFAULT (0),
  FTableID int NOT NULL,
  FTableName varchar(50) COLLATE database_default NOT NULL,
  FDescription nvarchar(255) COLLATE database_default NULL,
  FDescription_CHT nvarchar(255) COLLATE database_default NULL,
  FDescription_EN nvarchar(255) COLLATE database_default NULL,
  CONSTRAINT PK_t_tabledescription PRIMARY KEY (FTableID)
);
CREATE INDEX ix_t_tabledescription_SubSystem ON t_tabledescription (FSubSystemID);
CREATE TABLE t_FieldDescription (
  FTableID int NOT NULL,
  FFieldName varchar(50) COLLATE database_default NOT NULL,
  FDescription nvarchar(255) COLLATE database_default NULL,
  FDescription_CHT nvarchar(255) COLLATE database_default NULL,
  FDescription_EN nvarchar(255) COLLATE database_default NULL,
  FFieldNote nvarchar(255) COLLATE database_default NULL,
  FFieldNote_CHT nvarchar(255) COLLATE database_default NULL,
  FFieldNote_EN nvarchar(255) COLLATE database_default NULL,
  CONSTRAINT PK_t_FieldDescription PRIMARY KEY (FTableID, FFieldName)
);
CREATE TABLE t_User (
  FUserID int NOT NULL,
  FName nvarchar(80) COLLATE database_default NOT NULL,
  FSID varchar(120) COLLATE database_default NULL,
  FPassword binary(16) NULL,
  FGroupID int NULL,
  FEnabled bit NOT NULL DEFAULT (1),
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_User PRIMARY KEY (FUserID)
);
CREATE UNIQUE INDEX uk_t_User_Name ON t_User (FName);
CREATE TABLE t_Group (
  FGroupID int NOT NULL,
  FGroupName nvarchar(80) COLLATE database_default NOT NULL,
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_Group PRIMARY KEY (FGroupID)
);
CREATE TABLE t_Access (
  FUserID int NOT NULL,
  FObjectType int NOT NULL,
  FObjectID int NOT NULL,
  FAccessMask bigint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_Access PRIMARY KEY (FUserID, FObjectType, FObjectID)
);
CREATE TABLE t_SysLog (
  FLogID bigint NOT NULL,
  FDate smalldatetime NOT NULL,
  FUserID int NOT NULL,
  FMachine varchar(50) COLLATE database_default NULL,
  FIP char(15) COLLATE database_default NULL,
  FFunction nvarchar(100) COLLATE database_default NULL,
  FWhat text COLLATE database_default NULL
);
CREATE INDEX ix_t_SysLog_Date ON t_SysLog (FDate DESC, FUserID);
CREATE TABLE t_SystemProfile (
  FCategory varchar(50) COLLATE database_default NOT NULL,
  FKey varchar(50) COLLATE database_default NOT NULL,
  FValue nvarchar(255) COLLATE database_default NULL,
  FExplain nvarchar(255) COLLATE database_default NULL,
  CONSTRAINT PK_t_SystemProfile PRIMARY KEY (FCategory, FKey)
);
CREATE TABLE t_Sample (
  FID int IDENTITY(1,1) NOT NULL,
  FSmall smallint NOT NULL DEFAULT (0),
  FTiny tinyint NULL,
  FBig bigint NULL,
  FFlag bit NOT NULL DEFAULT (0),
  FDecimal decimal(28,10) NULL,
  FNumeric numeric(18,4) NULL,
  FMoney money NULL,
  FSmallMoney smallmoney NULL,
  FFloat float NULL,
  FReal real NULL,
  FDateTime datetime NULL DEFAULT (getdate()),
  FSmallDate smalldatetime NULL,
  FDateTime2 datetime2 NULL,
  FDate date NULL,
  FTime time NULL,
  FCode char(10) COLLATE database_default NOT NULL DEFAULT (''),
  FNCode nchar(10) COLLATE database_default NULL,
  FName varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FNName nvarchar(80) COLLATE database_default NULL,
  FMemo [varchar(max)] COLLATE database_default NULL,
  FNMemo [nvarchar(max)] COLLATE database_default NULL,
  FText text COLLATE database_default NULL,
  FNText ntext COLLATE database_default NULL,
  FBinary binary(8) NULL,
  FVarBinary varbinary(64) NULL,
  FImage image NULL,
  FGUID uniqueidentifier NULL,
  FNote nvarchar(255) COLLATE database_default NULL DEFAULT (''),
  CONSTRAINT PK_t_Sample PRIMARY KEY (FID)
);
CREATE INDEX ix_t_Sample_Name ON t_Sample (FName, FDateTime DESC);
CREATE INDEX ix_t_Sample_Code ON t_Sample (FCode DESC);
CREATE TABLE t_ItemClass (
  FItemClassID int NOT NULL,
  FNumber varchar(30) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  ibitype int NOT NULL,
  soidsourcefield varchar(50) COLLATE database_default NULL,
  ssourcetable varchar(50) COLLATE database_default NULL,
  FMaxNumber varchar(20) COLLATE database_default NULL,
  CONSTRAINT PK_t_ItemClass PRIMARY KEY (FItemClassID)
);
CREATE TABLE t_Attachment (
  FID int NOT NULL,
  FGUID uniqueidentifier NOT NULL,
  FFileName nvarchar(255) COLLATE database_default NOT NULL,
  FFileSize bigint NOT NULL DEFAULT (0),
  FHash varbinary(64) NULL,
  FContent image NULL,
  FUploadTime datetime2 NULL,
  CONSTRAINT PK_t_Attachment PRIMARY KEY (FID)
);
CREATE UNIQUE INDEX uk_t_Attachment_Guid ON t_Attachment (FGUID);
CREATE TABLE t_LogicTemp (
  FID int NOT NULL,
  FKey varchar(50) COLLATE database_default NOT NULL,
  FValue nvarchar(255) COLLATE database_default NULL,
  PRIMARY KEY (FID)
);
CREATE TABLE t_DataVersion (
  FVersion varchar(20) COLLATE database_default NOT NULL,
  FBuild int NOT NULL DEFAULT (0),
  FUpdateTime datetime NOT NULL DEFAULT (getdate()),
  CONSTRAINT PK_t_DataVersion PRIMARY KEY (FVersion)
);
CREATE TABLE t_TableLink (
  FID int IDENTITY(1,1) NOT NULL,
  FSource varchar(50) COLLATE database_default NOT NULL,
  FTarget varchar(50) COLLATE database_default NOT NULL,
  FRecordCount int NULL,
  CONSTRAINT PK_t_TableLink PRIMARY KEY (FID)
);
CREATE TABLE t_Item (
  FItemID int IDENTITY(1,1) NOT NULL,
  FItemClassID int NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FFullName nvarchar(255) COLLATE database_default NULL,
  FParentID int NOT NULL DEFAULT (0),
  FLevel smallint NOT NULL DEFAULT (1),
  FDetail bit NOT NULL DEFAULT (1),
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_Item PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_Item_Class ON t_Item (FItemClassID, FNumber);
CREATE INDEX ix_t_Item_Parent ON t_Item (FParentID);
CREATE TABLE t_Currency (
  FCurrencyID int NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL UNIQUE,
  FName nvarchar(80) COLLATE database_default NOT NULL,
  FSymbol nchar(4) COLLATE database_default NULL,
  FScale tinyint NOT NULL DEFAULT (2),
  FExchangeRate numeric(18,6) NOT NULL DEFAULT (1),
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_Currency PRIMARY KEY (FCurrencyID)
);
CREATE TABLE t_Department (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FParentID int NOT NULL DEFAULT (0),
  FPhone varchar(30) COLLATE database_default NULL,
  FDeleted smallint NOT NULL DEFAULT (0),
  PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_Department_Number ON t_Department (FNumber);
CREATE TABLE t_Emp (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDeptID int NULL,
  FGender char(1) COLLATE database_default NULL,
  FBirthday date NULL,
  FIDCard varchar(18) COLLATE database_default NULL,
  FEmail varchar(100) COLLATE database_default NULL,
  FPhoto image NULL,
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_Emp PRIMARY KEY (FItemID)
);
CREATE UNIQUE INDEX uk_t_Emp_Number ON t_Emp (FNumber);
CREATE INDEX ix_t_Emp_Dept ON t_Emp (FDeptID, FName);
CREATE TABLE t_Organization (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FAddress nvarchar(255) COLLATE database_default NULL,
  FContact nvarchar(50) COLLATE database_default NULL,
  FPhone varchar(30) COLLATE database_default NULL,
  FRegionID int NULL,
  FCreditLimit money NULL,
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_Organization PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_Organization_Number ON t_Organization (FNumber);
CREATE TABLE t_Supplier (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FAddress nvarchar(255) COLLATE database_default NULL,
  FContact nvarchar(50) COLLATE database_default NULL,
  FBankAccount varchar(40) COLLATE database_default NULL,
  FTaxNo varchar(30) COLLATE database_default NULL,
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_Supplier PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_Supplier_Number ON t_Supplier (FNumber);
CREATE TABLE t_ICItem (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FModel nvarchar(255) COLLATE database_default NULL,
  FUnitID int NOT NULL DEFAULT (0),
  FErpClsID smallint NOT NULL DEFAULT (1),
  FSafeQty decimal(28,10) NULL,
  FPrice decimal(28,10) NULL,
  FKFPeriod int NULL,
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_ICItem PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_ICItem_Number ON t_ICItem (FNumber);
CREATE INDEX ix_t_ICItem_Name ON t_ICItem (FName, FModel);
CREATE TABLE t_MeasureUnit (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FGroupID int NOT NULL DEFAULT (0),
  FRate float NOT NULL DEFAULT (1),
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_MeasureUnit PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_MeasureUnit_Number ON t_MeasureUnit (FNumber);
CREATE TABLE t_ExchangeRate (
  FCurrencyID int NOT NULL,
  FBeginDate datetime NOT NULL,
  FEndDate datetime NULL,
  FExchangeRate float NOT NULL DEFAULT (1),
  CONSTRAINT PK_t_ExchangeRate PRIMARY KEY (FCurrencyID, FBeginDate)
);
CREATE TABLE t_Bank (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FAddress nvarchar(255) COLLATE database_default NULL,
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_Bank PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_Bank_Number ON t_Bank (FNumber);
CREATE TABLE t_Region (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FCountry nvarchar(50) COLLATE database_default NULL,
  FPostCode char(6) COLLATE database_default NULL,
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_Region PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_Region_Number ON t_Region (FNumber);
CREATE TABLE t_ItemGroup (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FParentID int NOT NULL DEFAULT (0),
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_ItemGroup PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_ItemGroup_Number ON t_ItemGroup (FNumber);
CREATE TABLE t_ICMO (
  FInterID int NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDate datetime NOT NULL DEFAULT (getdate()),
  FItemID int NOT NULL,
  FPlanQty decimal(28,10) NOT NULL DEFAULT (0),
  FPlanDate datetime NULL,
  FFinishQty decimal(28,10) NOT NULL DEFAULT (0),
  FWorkCenterID int NULL,
  FStatus smallint NOT NULL DEFAULT (0),
  FBillerID int NOT NULL DEFAULT (0),
  FCheckerID int NULL,
  FCheckDate datetime NULL,
  CONSTRAINT PK_t_ICMO PRIMARY KEY (FInterID)
);
CREATE INDEX ix_t_ICMO_Date ON t_ICMO (FDate DESC, FBillNo);
CREATE TABLE t_BOM (
  FBOMID int IDENTITY(1,1) NOT NULL,
  FBillNo nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FItemID int NOT NULL,
  FQty decimal(28,10) NOT NULL DEFAULT (1),
  FStatus smallint NOT NULL DEFAULT (0),
  FVersion varchar(20) COLLATE database_default NULL,
  CONSTRAINT PK_t_BOM PRIMARY KEY (FBOMID)
);
CREATE INDEX ix_t_BOM_Item ON t_BOM (FItemID, FVersion DESC);
CREATE TABLE t_BOMChild (
  FBOMID int NOT NULL,
  FEntryID int NOT NULL,
  FChildItemID int NOT NULL,
  FQty decimal(28,10) NOT NULL DEFAULT (1),
  FScrap decimal(6,2) NOT NULL DEFAULT (0),
  FOperID int NULL,
  CONSTRAINT PK_t_BOMChild PRIMARY KEY (FBOMID, FEntryID)
);
CREATE TABLE t_Routing (
  FItemID int NOT NULL,
  FOperSN smallint NOT NULL,
  FOperID int NOT NULL,
  FWorkCenterID int NOT NULL,
  FHours decimal(18,4) NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_Routing PRIMARY KEY (FItemID, FOperSN)
);
CREATE TABLE t_WorkCenter (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDeptID int NULL,
  FCapacity decimal(18,4) NOT NULL DEFAULT (8),
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_WorkCenter PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_WorkCenter_Number ON t_WorkCenter (FNumber);
CREATE TABLE t_Resource (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FWorkCenterID int NULL,
  FCapacity decimal(18,4) NOT NULL DEFAULT (8),
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_Resource PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_Resource_Number ON t_Resource (FNumber);
CREATE TABLE t_ProcessReport (
  FID int IDENTITY(1,1) NOT NULL,
  FMOID int NOT NULL,
  FOperSN smallint NOT NULL,
  FFinishQty decimal(28,10) NOT NULL DEFAULT (0),
  FHours decimal(18,4) NULL,
  FDate datetime NOT NULL,
  CONSTRAINT PK_t_ProcessReport PRIMARY KEY (FID)
);
CREATE INDEX ix_t_ProcessReport_MO ON t_ProcessReport (FMOID, FOperSN);
CREATE TABLE t_MRPResult (
  FID int IDENTITY(1,1) NOT NULL,
  FItemID int NOT NULL,
  FPlanQty decimal(28,10) NOT NULL DEFAULT (0),
  FPlanDate datetime NOT NULL,
  FCalcTime datetime NOT NULL DEFAULT (getdate()),
  CONSTRAINT PK_t_MRPResult PRIMARY KEY (FID)
);
CREATE TABLE t_ShiftCalendar (
  FWorkDay date NOT NULL,
  FShift tinyint NOT NULL,
  FStartTime time NOT NULL,
  FEndTime time NOT NULL,
  FWorkCenterID int NULL,
  CONSTRAINT PK_t_ShiftCalendar PRIMARY KEY (FWorkDay, FShift)
);
CREATE TABLE t_Operation (
  FItemID int IDENTITY(1,1) NOT NULL,
  FNumber varchar(80) COLLATE database_default NOT NULL DEFAULT (''),
  FName nvarchar(255) COLLATE database_default NOT NULL DEFAULT (''),
  FDeleted smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_Operation PRIMARY KEY (FItemID)
);
CREATE INDEX ix_t_Operation_Number ON t_Operation (FNumber);
CREATE TABLE t_ImportTemp (
  FID int IDENTITY(1,1) NOT NULL,
  FSource varchar(50) COLLATE database_default NOT NULL,
  FContent nvarchar(4000) COLLATE database_default NULL,
  FDate datetime NULL DEFAULT (getdate()),
  CONSTRAINT PK_t_ImportTemp PRIMARY KEY (FID)
);
CREATE TABLE t_RP_Note (
  FCheckNo varchar(30) COLLATE database_default NOT NULL,
  FCustID int NOT NULL,
  FDate datetime NOT NULL,
  FEndDate datetime NOT NULL,
  FAmount money NOT NULL DEFAULT (0),
  FStatus smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_RP_Note PRIMARY KEY (FCheckNo)
);
CREATE TABLE t_RP_APNote (
  FCheckNo varchar(30) COLLATE database_default NOT NULL,
  FSupplyID int NOT NULL,
  FDate datetime NOT NULL,
  FEndDate datetime NOT NULL,
  FAmount money NOT NULL DEFAULT (0),
  FStatus smallint NOT NULL DEFAULT (0),
  CONSTRAINT PK_t_RP_APNote PRIMARY KEY (FCheckNo)
);

-- Subsystems
INSERT INTO t_Subsystem (FSubSysID, FName, FName_CHT, FName_EN) VALUES (1, '总账', '總賬', 'General Ledger');
INSERT INTO t_Subsystem (FSubSysID, FName, FName_CHT, FName_EN) VALUES (2, '应收款管理', '應收款管理', 'Receivables');
INSERT INTO t_Subsystem (FSubSysID, FName, FName_CHT, FName_EN) VALUES (3, '应付款管理', '應付款管理', 'Payables');
INSERT INTO t_Subsystem (FSubSysID, FName, FName_CHT, FName_EN) VALUES (4, '存货核算', '存貨覈算', 'Inventory Accounting');
INSERT INTO t_Subsystem (FSubSysID, FName, FName_CHT, FName_EN) VALUES (5, '采购管理', '採購管理', 'Purchasing');
INSERT INTO t_Subsystem (FSubSysID, FName, FName_CHT, FName_EN) VALUES (6, '销售管理', '銷售管理', 'Sales');
INSERT INTO t_Subsystem (FSubSysID, FName, FName_CHT, FName_EN) VALUES (7, '仓存管理', '倉存管理', 'Warehouse');
INSERT INTO t_Subsystem (FSubSysID, FName, FName_CHT, FName_EN) VALUES (8, '固定资产', '固定資產', 'Fixed Assets');
INSERT INTO t_Subsystem (FSubSysID, FName, FName_CHT, FName_EN) VALUES (9, '工资管理', '工資管理', 'Payroll');
INSERT INTO t_Subsystem (FSubSysID, FName, FName_CHT, FName_EN) VALUES (10, '现金管理', '現金管理', 'Cash Management');
INSERT INTO t_Subsystem (FSubSysID, FName, FName_CHT, FName_EN) VALUES (11, '成本管理', '成本管理', 'Cost Accounting');
INSERT INTO t_Subsystem (FSubSysID, FName, FName_CHT, FName_EN) VALUES (12, ' 报表 ', ' 報表 ', ' Reports ');
INSERT INTO t_Subsystem (FSubSysID, FName, FName_CHT, FName_EN) VALUES (13, '系统设置', '系統設置', 'System Settings');
INSERT INTO t_Subsystem (FSubSysID, FName, FName_CHT, FName_EN) VALUES (14, '基础资料', '基礎資料', 'Master Data');
INSERT INTO t_Subsystem (FSubSysID, FName, FName_CHT, FName_EN) VALUES (15, '生产管理', '生產管理', 'Production');

-- Described tables
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (1, 30, ' t_Account ', '  科目表 ', '  科目表 ', ' Accounts ');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (1, 31, 't_Voucher', '凭证表', '憑證表', 'Vouchers');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (1, 32, 't_VoucherEntry', '凭证分录表', '憑證分錄表', 'Voucher entries');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (1, 33, 't_VoucherTemplate', '凭证模板表', '憑證模板表', 'Voucher templates');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (1, 34, 't_Balance', '科目余额表', '科目餘額表', 'Account balances');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (1, 35, 't_QuantityBalance', '数量余额表', '數量餘額表', 'Quantity balances');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (1, 36, 't_CashFlowItem', '现金流量项目', '現金流量項目', 'Cash flow items');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (1, 37, 't_GLPeriod', '会计期间', '會計期間', 'Accounting periods');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (1, 38, 't_AccountType', '科目类别', '科目類別', 'Account types');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (1, 39, 't_Explanation', '摘要库', '摘要庫', 'Standard explanations');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (1, 40, 't_GLSettings', '总账参数', '總賬參數', NULL);
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (1, 41, 't_AccountCurrency', '科目币别', '科目幣別', 'Account currencies');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (2, 60, 't_RP_ARBill', '应收单', '應收單', 'Receivable bills');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (2, 61, 't_RP_ARBillEntry', '应收单明细', '應收單明細', 'Receivable bill lines');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (2, 62, 't_RP_NewReceiveBill', '收款单', '收款單', 'Receipts');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (2, 63, 't_RP_Plan', '收款计划', '收款計劃', 'Receipt plans');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (2, 64, 't_RP_CreditLimit', '信用额度', '信用額度', 'Credit limits');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (2, 65, 't_RP_ARBalance', '应收余额表', '應收餘額表', 'Receivable balances');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (2, 66, 't_RP_Settle', '收款核销记录', '收款覈銷記錄', 'Receipt settlements');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (2, 67, 't_RP_Aging', '账龄分组', '賬齡分組', 'Ageing brackets');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (2, 68, 't_RP_Contact', '往来对账', '往來對賬', 'Account reconciliations');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (2, 69, 't_RP_Interest', '应收利息', '應收利息', 'Receivable interest');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (3, 90, 't_RP_APBill', '应付单', '應付單', 'Payable bills');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (3, 91, 't_RP_APBillEntry', '应付单明细', '應付單明細', 'Payable bill lines');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (3, 92, 't_RP_PayBill', '付款单', '付款單', 'Payments');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (3, 93, 't_RP_APBalance', '应付余额表', '應付餘額表', 'Payable balances');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (3, 94, 't_RP_PayPlan', '付款计划', '付款計劃', 'Payment plans');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (3, 95, 't_RP_Prepay', '预付款单', '預付款單', 'Prepayments');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (3, 96, 't_RP_APSettle', '付款核销记录', '付款覈銷記錄', 'Payment settlements');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (3, 97, 't_RP_PayCondition', '付款条件', '付款條件', 'Payment terms');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (4, 120, 't_ICBal', '存货余额表', '存貨餘額表', 'Inventory balances');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (4, 121, 't_ICInvBal', '核算余额表', '覈算餘額表', 'Costing balances');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (4, 122, 't_ICCostAdj', '成本调整单', '成本調整單', 'Cost adjustments');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (4, 123, 't_ICCostAdjEntry', '成本调整单明细', '成本調整單明細', 'Cost adjustment lines');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (4, 124, 't_ICPriceHist', '计价历史', '計價歷史', 'Valuation history');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (4, 125, 't_ICPeriod', '核算期间', '覈算期間', 'Costing periods');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (4, 126, 't_ICCalcLog', '核算日志', '覈算日誌', '');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (4, 127, 't_ICDiffRate', '材料成本差异率', '材料成本差異率', 'Cost variance rates');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (4, 128, 't_ICMaterialPrice', '材料计划价', '材料計劃價', 'Planned material prices');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (5, 150, 't_POOrder', '采购订单', '採購訂單', 'Purchase orders');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (5, 151, 't_POOrderEntry', '采购订单明细', '採購訂單明細', 'Purchase order lines');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (5, 152, 't_PORequest', '采购申请单', '採購申請單', 'Purchase requisitions');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (5, 153, 't_PORequestEntry', '采购申请单明细', '採購申請單明細', 'Purchase requisition lines');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (5, 154, 't_POInStock', '收料通知单', '收料通知單', 'Receiving notices');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (5, 155, 't_POInStockEntry', '收料通知单明细', '收料通知單明細', 'Receiving notice lines');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (5, 156, 't_POInvoice', '采购发票', '採購發票', 'Purchase invoices');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (5, 157, 't_POInvoiceEntry', '采购发票明细', '採購發票明細', 'Purchase invoice lines');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (5, 158, 't_SupplyPrice', '供应商供货价格', '供應商供貨價格', 'Supplier prices');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (5, 159, 't_POContract', '采购合同', '採購合同', 'Purchase contracts');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (6, 180, 't_SEOrder', '销售订单', '銷售訂單', 'Sales orders');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (6, 181, 't_SEOrderEntry', '销售订单明细', '銷售訂單明細', 'Sales order lines');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (6, 182, 't_SEOutStock', '发货通知单', '發貨通知單', 'Delivery notices');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (6, 183, 't_SEOutStockEntry', '发货通知单明细', '發貨通知單明細', 'Delivery notice lines');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (6, 184, 't_SEQuote', '报价单', '報價單', 'Quotations');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (6, 185, 't_SEQuoteEntry', '报价单明细', '報價單明細', 'Quotation lines');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (6, 186, 't_SEPrice', ' 价格政策', ' 價格政策', 'Price policies  ');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (6, 187, 't_SEDiscount', '折扣政策', '折扣政策', 'Discount policies');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (6, 188, 't_SEInvoice', '销售发票', '銷售發票', 'Sales invoices');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (6, 189, 't_SEInvoiceEntry', '销售发票明细', '銷售發票明細', 'Sales invoice lines');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (7, 210, 't_ICStockBill', '出入库单据', '出入庫單據', 'Stock bills');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (7, 211, 't_ICStockBillEntry', '出入库单据分录', '出入庫單據分錄', 'Stock bill lines');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (7, 212, 't_ICStockCheck', '盘点方案', '盤點方案', 'Stock count plans');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (7, 213, 't_Stock', '仓库', '倉庫', 'Warehouses');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (7, 214, 't_StockPlace', '仓位', '倉位', 'Stock locations');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (7, 215, 't_ICInventory', '即时库存', '即時庫存', 'Current stock');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (7, 216, 't_ICBatch', '批次', '批次', 'Batches');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (7, 217, 't_ICSerial', '序列号', '序列號', 'Serial numbers');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (7, 218, 't_ICLock', '库存锁定', '庫存鎖定', 'Stock reservations');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (7, 219, 't_ICCheckEntry', '盘点明细', '盤點明細', 'Stock count lines');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (8, 240, 't_FACard', '固定资产卡片', '固定資產卡片', 'Asset cards');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (8, 241, 't_FAAlter', '资产变动记录', '資產變動記錄', 'Asset changes');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (8, 242, 't_FADept', '资产使用部门', '資產使用部門', 'Asset departments');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (8, 243, 't_FAType', '资产类别', '資產類別', 'Asset types');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (8, 244, 't_FADepr', '折旧记录', '折舊記錄', 'Depreciation records');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (8, 245, 't_FAClear', '资产清理', '資產清理', 'Asset disposals');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (8, 246, 't_FAWorkload', '工作量', '工作量', 'Workloads');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (8, 247, 't_FAStatus', '使用状态', '使用狀態', 'Usage states');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (8, 248, 't_FALocation', '存放地点', '存放地點', '');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (8, 249, 't_FAAlterType', '变动方式', '變動方式', 'Change types');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (9, 270, 't_PA_Item', '工资项目', '工資項目', 'Payroll items');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (9, 271, 't_PA_Data', '工资数据', '工資數據', 'Payroll data');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (9, 272, 't_PA_Formula', '计算公式', '計算公式', 'Payroll formulas');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (9, 273, 't_PA_Class', '工资类别', '工資類別', 'Payroll classes');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (9, 274, 't_PA_Tax', '所得税税率', '所得稅稅率', 'Income tax rates');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (9, 275, 't_PA_Period', '工资期间', '工資期間', 'Payroll periods');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (9, 276, 't_PA_Bank', '银行代发', '銀行代發', NULL);
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (9, 277, 't_PA_Dist', '工资费用分配', '工資費用分配', 'Payroll cost allocation');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (9, 278, 't_PA_Dept', '工资部门', '工資部門', 'Payroll departments');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (10, 300, 't_CS_CashJournal', '现金日记账', '現金日記賬', 'Cash journal');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (10, 301, 't_CS_BankJournal', '银行存款日记账', '銀行存款日記賬', 'Bank journal');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (10, 302, 't_CS_BankStatement', '银行对账单', '銀行對賬單', 'Bank statements');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (10, 303, 't_CS_Check', '支票登记簿', '支票登記簿', 'Cheque register');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (10, 304, 't_CS_CashCount', '现金盘点', '現金盤點', 'Cash counts');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (10, 305, 't_CS_Transfer', '资金调拨单', '資金調撥單', 'Fund transfers');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (10, 306, 't_CS_Settle', '结算方式', '結算方式', 'Settlement methods');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (10, 307, 't_CS_Deposit', '定期存款', '定期存款', 'Time deposits');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (11, 330, 't_CB_CostObj', '成本对象', '成本對象', 'Cost objects');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (11, 331, 't_CB_CostItem', '成本项目', '成本項目', 'Cost items');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (11, 332, 't_CB_Expense', '费用归集', '費用歸集', 'Expense collection');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (11, 333, 't_CB_Alloc', '分配标准', '分配標準', 'Allocation bases');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (11, 334, 't_CB_WIP', '在产品', '在產品', NULL);
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (11, 335, 't_CB_Result', '成本计算结果', '成本計算結果', 'Costing results');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (11, 336, 't_CB_Standard', '标准成本', '標準成本', 'Standard costs');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (11, 337, 't_CB_Period', '成本期间', '成本期間', 'Cost periods');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (12, 360, 't_Report', '报表', '報表', 'Reports');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (12, 361, 't_ReportItem', '报表项目', '報表項目', 'Report cells');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (12, 362, 't_ReportFormula', '报表公式', '報表公式', 'Report formulas');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (12, 363, 't_ReportCache', '报表缓存', '報表緩存', '');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (12, 364, 't_ReportStyle', '报表格式', '報表格式', 'Report styles');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (12, 365, 't_ReportPrint', '打印设置', '打印設置', 'Print settings');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (12, 366, 't_ReportAudit', '报表审核', '報表審覈', 'Report checks');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (13, 390, 't_Subsystem', '子系统', '子系統', 'Subsystems');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (13, 391, 't_tabledescription', '表描述', '表描述', 'Table descriptions');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (13, 392, 't_FieldDescription', '字段描述', '字段描述', 'Field descriptions');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (13, 393, 't_User', '用户', '用戶', 'Users');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (13, 394, 't_Group', '用户组', '用戶組', 'User groups');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (13, 395, 't_Access', '权限', '權限', 'Permissions');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (13, 396, 't_SysLog', '上机日志', '上機日誌', 'User log');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (13, 0, 't_SystemProfile', '系统参数', '系統參數', 'System profile');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (13, 205, 't_Sample', '示例表', '示例表', 'Sample table');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (13, 397, 't_ItemClass', '单据编号规则', '單據編號規則', 'Bill numbering rules');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (13, 398, 't_Attachment', '附件', '附件', 'Attachments');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (13, -1, 't_LogicTemp', '逻辑临时表', '邏輯臨時表', 'Logic scratch table');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (13, 399, 't_DataVersion', '数据版本', '數據版本', 'Data versions');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (13, 400, 't_TableLink', '数据关联', '數據關聯', 'Data links');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (14, 420, 't_Item', '核算项目', '覈算項目', 'Accounting items');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (14, 421, 't_Currency', '币别', '幣別', 'Currencies');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (14, 422, 't_Department', '部门', '部門', 'Departments');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (14, 423, 't_Emp', '职员', '職員', 'Employees');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (14, 424, 't_Organization', '客户', '客戶', 'Customers');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (14, 425, 't_Supplier', '供应商', '供應商', 'Suppliers');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (14, 426, 't_ICItem', '物料', '物料', 'Items');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (14, 427, 't_MeasureUnit', '计量单位', '計量單位', 'Units of measure');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (14, 428, 't_ExchangeRate', '汇率表', '匯率表', 'Exchange rates');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (14, 429, 't_Bank', '  银行  ', '  銀行  ', '  Banks ');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (14, 430, 't_Region', '地区', '地區', 'Regions');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (14, 431, 't_ItemGroup', '物料类别', '物料類別', 'Item groups');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (15, 450, 't_ICMO', '生产任务单', '生產任務單', 'Production orders');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (15, 451, 't_BOM', '物料清单', '物料清單', 'Bills of material');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (15, 452, 't_BOMChild', 'BOM子项', 'BOM子項', 'BOM components');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (15, 453, 't_Routing', '工艺路线', '工藝路線', 'Routings');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (15, 454, 't_WorkCenter', '工作中心', '工作中心', 'Work centers');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (15, 455, 't_Resource', '资源', '資源', 'Resources');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (15, 456, 't_ProcessReport', '工序汇报', '工序彙報', 'Operation reports');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (15, 457, 't_MRPResult', 'MRP计算结果', 'MRP計算結果', 'MRP results');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (15, 458, 't_ShiftCalendar', '工厂日历', '工廠日曆', 'Factory calendar');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (15, 459, 't_Operation', '工序资料', '工序資料', 'Operations');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (99, 990, 't_ImportTemp', '引入临时表', NULL, 'Import scratch table');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (2, 70, 't_RP_Note', '应收票据', '應收票據', 'Notes receivable');
INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, FDescription_EN) VALUES (3, 98, 't_RP_APNote', '应付票据', '應付票據', 'Notes payable');

-- Field descriptions (some columns have none)
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (30, 'FAccountID', '科目内码', '科目內碼', 'Account ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (30, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (30, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (30, 'FFullName', '全名', '全名', 'Full name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (30, 'FLevel', '级次', '級次', 'Level', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (30, 'FDetail', '是否明细', '是否明細', 'Detail flag', '1-明细 0-非明细', '1-明細 0-非明細', '1 detail, 0 summary');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (30, 'FParentID', '上级内码', '上級內碼', 'Parent ID', '0表示顶级', '0表示頂級', '0 means top level');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (30, 'FDC', '余额方向', '餘額方向', NULL, '1-借 -1-贷', '1-借 -1-貸', '1 debit, -1 credit');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (30, 'FGroupID', '类别', '類別', 'Group', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (30, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (31, 'FVoucherID', '凭证内码', '憑證內碼', 'Voucher ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (31, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (31, 'FYear', '会计年度', '會計年度', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (31, 'FGroupID', '类别', '類別', 'Group', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (31, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (31, 'FExplanation', '摘要', '摘要', 'Explanation', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (31, 'FAttachments', '附件数', '附件數', 'Attachments', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (31, 'FBillerID', '制单人', '制單人', 'Prepared by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (31, 'FCheckerID', '审核人', '審覈人', 'Checked by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (31, 'FPosted', '已过账', '已過賬', 'Posted', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (31, 'FSerialNum', '凭证序号', '憑證序號', 'Voucher serial number', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (32, 'FVoucherID', '凭证内码', '憑證內碼', 'Voucher ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (32, 'FEntryID', '分录号', '分錄號', 'Entry number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (32, 'FExplanation', '摘要', '摘要', 'Explanation', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (32, 'FAccountID', '科目内码', '科目內碼', 'Account ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (32, 'FCurrencyID', '币别', '幣別', 'Currency', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (32, 'FExchangeRate', '汇率', '匯率', 'Exchange rate', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (32, 'FDC', '余额方向', '餘額方向', 'Balance side', '1-借 -1-贷', '1-借 -1-貸', '1 debit, -1 credit');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (32, 'FAmountFor', '原币金额', '原幣金額', 'Amount in currency', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (32, 'FQty', '数量', '數量', 'Quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (32, 'FCashFlowID', '现金流量项目', '現金流量項目', 'Cash flow item', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (33, 'FTemplateID', '模板内码', '模板內碼', 'Template ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (33, 'FNumber', '代码', '代碼', 'Code', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (33, 'FGroupID', '类别', '類別', 'Group', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (33, 'FContent', '内容', '內容', 'Content', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (33, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (34, 'FYear', '会计年度', '會計年度', 'Fiscal year', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (34, 'FPeriod', '会计期间', '會計期間', 'Period', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (34, 'FAccountID', '科目内码', '科目內碼', 'Account ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (34, 'FCurrencyID', '币别', '幣別', 'Currency', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (34, 'FBeginBalance', '期初余额', '期初餘額', 'Opening balance', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (34, 'FDebit', '借方金额', '借方金額', 'Debit', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (34, 'FCredit', '贷方金额', '貸方金額', 'Credit', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (35, 'FYear', '会计年度', '會計年度', 'Fiscal year', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (35, 'FAccountID', '科目内码', '科目內碼', 'Account ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (35, 'FUnitID', '计量单位', '計量單位', 'Unit', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (35, 'FBeginQty', '期初数量', '期初數量', 'Opening quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (35, 'FEndQty', '期末数量', '期末數量', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (36, 'FItemID', '内码', '內碼', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (36, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (36, 'FName', '名称', '名稱', 'Name', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (36, 'FParentID', '上级内码', '上級內碼', 'Parent ID', '0表示顶级', '0表示頂級', '0 means top level');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (36, 'FDC', '余额方向', '餘額方向', 'Balance side', '1-借 -1-贷', '1-借 -1-貸', '1 debit, -1 credit');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (36, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (37, 'FPeriod', '会计期间', '會計期間', 'Period', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (37, 'FBeginDate', '开始日期', '開始日期', 'Start date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (37, 'FEndDate', '结束日期', '結束日期', 'End date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (37, 'FClosed', '已结账', '已結賬', 'Closed', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (38, 'FItemID', '内码', '內碼', 'Internal ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (38, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (38, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (38, 'FDC', '余额方向', '餘額方向', 'Balance side', '1-借 -1-贷', '1-借 -1-貸', '1 debit, -1 credit');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (38, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (39, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (39, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (39, 'FExplanation', '摘要', '摘要', 'Explanation', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (39, 'FCategory', '类别', '類別', 'Category', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (40, 'FKey', '关键字', '關鍵字', 'Key', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (40, 'FValue', '值', '值', 'Value', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (40, 'FExplain', '说明', '說明', 'Explanation', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (41, 'FAccountID', '科目内码', '科目內碼', 'Account ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (41, 'FCurrencyID', '币别', '幣別', 'Currency', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (60, 'FInterID', '单据内码', '單據內碼', 'Bill ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (60, 'FBillNo', '单据编号', '單據編號', 'Bill number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (60, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (60, 'FCurrencyID', '币别', '幣別', 'Currency', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (60, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (60, 'FRemainAmount', '未核销金额', '未覈銷金額', 'Open amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (60, 'FExplanation', '摘要', '摘要', 'Explanation', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (60, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (60, 'FBillerID', '制单人', '制單人', 'Prepared by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (60, 'FCheckerID', '审核人', '審覈人', 'Checked by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (60, 'FCheckDate', '审核日期', '審覈日期', 'Check date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (61, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (61, 'FEntryID', '分录号', '分錄號', 'Entry number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (61, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (61, 'FQty', '数量', '數量', 'Quantity', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (61, 'FPrice', '单价', '單價', 'Unit price', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (61, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (61, 'FTaxRate', '税率', '稅率', 'Tax rate', '百分比', '百分比', 'Percent');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (61, 'FNote', '备注', '備註', 'Note', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (62, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (62, 'FBillNo', '单据编号', '單據編號', 'Bill number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (62, 'FCustID', '客户', '客戶', 'Customer', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (62, 'FSettleID', '结算方式', '結算方式', 'Settlement', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (62, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (62, 'FSettleNo', '结算号', '結算號', NULL, '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (62, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (62, 'FBillerID', '制单人', '制單人', 'Prepared by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (62, 'FCheckerID', '审核人', '審覈人', 'Checked by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (62, 'FCheckDate', '审核日期', '審覈日期', 'Check date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (63, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (63, 'FEntryID', '分录号', '分錄號', NULL, '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (63, 'FReceiveDate', '收款日期', '收款日期', 'Receipt date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (63, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (63, 'FCheckAmount', '核销金额', '覈銷金額', 'Settled amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (64, 'FCustID', '客户', '客戶', 'Customer', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (64, 'FCreditLimit', '信用额度', '信用額度', 'Credit limit', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (64, 'FCreditDays', '信用天数', '信用天數', 'Credit days', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (64, 'FEnabled', '启用', '啓用', 'Enabled', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (65, 'FYear', '会计年度', '會計年度', 'Fiscal year', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (65, 'FPeriod', '会计期间', '會計期間', 'Period', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (65, 'FCustID', '客户', '客戶', 'Customer', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (65, 'FBeginBalance', '期初余额', '期初餘額', 'Opening balance', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (65, 'FDebit', '借方金额', '借方金額', 'Debit', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (65, 'FCredit', '贷方金额', '貸方金額', 'Credit', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (66, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (66, 'FSourceInterID', '源单内码', '源單內碼', 'Source bill ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (66, 'FCheckAmount', '核销金额', '覈銷金額', 'Settled amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (66, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (66, 'FUserID', '用户', '用戶', 'User', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (67, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (67, 'FName', '名称', '名稱', 'Name', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (67, 'FAgeFrom', '起始天数', '起始天數', 'From day', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (67, 'FAgeTo', '截止天数', '截止天數', 'To day', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (68, 'FInterID', '单据内码', '單據內碼', 'Bill ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (68, 'FCustID', '客户', '客戶', 'Customer', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (68, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (68, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (68, 'FContact', '联系人', '聯繫人', 'Contact', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (68, 'FNote', '备注', '備註', 'Note', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (69, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (69, 'FCustID', '客户', '客戶', 'Customer', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (69, 'FRate', '比率', '比率', 'Rate', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (69, 'FDays', '天数', '天數', 'Days', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (90, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (90, 'FBillNo', '单据编号', '單據編號', 'Bill number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (90, 'FDate', '日期', '日期', 'Date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (90, 'FSupplyID', '供应商', '供應商', 'Supplier', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (90, 'FCurrencyID', '币别', '幣別', 'Currency', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (90, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (90, 'FRemainAmount', '未核销金额', '未覈銷金額', 'Open amount', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (90, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (90, 'FBillerID', '制单人', '制單人', 'Prepared by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (90, 'FCheckDate', '审核日期', '審覈日期', 'Check date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (91, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (91, 'FEntryID', '分录号', '分錄號', 'Entry number', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (91, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (91, 'FPrice', '单价', '單價', 'Unit price', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (91, 'FAmount', '金额', '金額', 'Amount', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (91, 'FTaxAmount', '税额', '稅額', 'Tax amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (91, 'FNote', '备注', '備註', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (92, 'FInterID', '单据内码', '單據內碼', 'Bill ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (92, 'FBillNo', '单据编号', '單據編號', 'Bill number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (92, 'FDate', '日期', '日期', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (92, 'FSupplyID', '供应商', '供應商', 'Supplier', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (92, 'FSettleID', '结算方式', '結算方式', 'Settlement', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (92, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (92, 'FCheckNo', '支票号', '支票號', 'Cheque number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (92, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (92, 'FCheckerID', '审核人', '審覈人', 'Checked by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (92, 'FCheckDate', '审核日期', '審覈日期', 'Check date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (93, 'FYear', '会计年度', '會計年度', 'Fiscal year', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (93, 'FPeriod', '会计期间', '會計期間', 'Period', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (93, 'FBeginBalance', '期初余额', '期初餘額', 'Opening balance', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (93, 'FDebit', '借方金额', '借方金額', 'Debit', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (93, 'FCredit', '贷方金额', '貸方金額', 'Credit', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (93, 'FEndBalance', '期末余额', '期末餘額', 'Closing balance', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (94, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (94, 'FEntryID', '分录号', '分錄號', 'Entry number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (94, 'FPayDate', '付款日期', '付款日期', 'Payment date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (94, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (95, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (95, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (95, 'FSupplyID', '供应商', '供應商', 'Supplier', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (95, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (95, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (95, 'FBillerID', '制单人', '制單人', 'Prepared by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (95, 'FCheckerID', '审核人', '審覈人', 'Checked by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (95, 'FCheckDate', '审核日期', '審覈日期', 'Check date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (96, 'FID', '序号', '序號', 'ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (96, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (96, 'FSourceInterID', '源单内码', '源單內碼', 'Source bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (96, 'FCheckAmount', '核销金额', '覈銷金額', 'Settled amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (96, 'FDate', '日期', '日期', 'Date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (97, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (97, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (97, 'FDays', '天数', '天數', 'Days', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (97, 'FDiscount', '折扣', '折扣', 'Discount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (120, 'FYear', '会计年度', '會計年度', 'Fiscal year', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (120, 'FPeriod', '会计期间', '會計期間', 'Period', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (120, 'FStockID', '仓库', '倉庫', 'Warehouse', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (120, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (120, 'FBatchNo', '批号', '批號', 'Batch number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (120, 'FBeginBalance', '期初余额', '期初餘額', 'Opening balance', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (120, 'FEndQty', '期末数量', '期末數量', 'Closing quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (120, 'FEndBalance', '期末余额', '期末餘額', 'Closing balance', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (121, 'FYear', '会计年度', '會計年度', 'Fiscal year', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (121, 'FPeriod', '会计期间', '會計期間', 'Period', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (121, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (121, 'FBeginQty', '期初数量', '期初數量', 'Opening quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (121, 'FBeginBalance', '期初余额', '期初餘額', 'Opening balance', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (121, 'FEndQty', '期末数量', '期末數量', 'Closing quantity', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (121, 'FEndBalance', '期末余额', '期末餘額', 'Closing balance', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (122, 'FInterID', '单据内码', '單據內碼', 'Bill ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (122, 'FBillNo', '单据编号', '單據編號', 'Bill number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (122, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (122, 'FStockID', '仓库', '倉庫', 'Warehouse', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (122, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (122, 'FBillerID', '制单人', '制單人', 'Prepared by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (122, 'FCheckerID', '审核人', '審覈人', 'Checked by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (122, 'FCheckDate', '审核日期', '審覈日期', NULL, '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (123, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (123, 'FEntryID', '分录号', '分錄號', 'Entry number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (123, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (123, 'FQty', '数量', '數量', NULL, '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (123, 'FPrice', '单价', '單價', 'Unit price', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (123, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (123, 'FNote', '备注', '備註', 'Note', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (124, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (124, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (124, 'FDate', '日期', '日期', 'Date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (124, 'FQty', '数量', '數量', 'Quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (125, 'FYear', '会计年度', '會計年度', 'Fiscal year', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (125, 'FPeriod', '会计期间', '會計期間', 'Period', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (125, 'FBeginDate', '开始日期', '開始日期', 'Start date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (125, 'FEndDate', '结束日期', '結束日期', 'End date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (125, 'FClosed', '已结账', '已結賬', 'Closed', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (126, 'FID', '序号', '序號', 'ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (126, 'FCalcTime', '计算时间', '計算時間', 'Calculation time', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (126, 'FMessage', '消息', '消息', 'Message', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (127, 'FYear', '会计年度', '會計年度', 'Fiscal year', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (127, 'FPeriod', '会计期间', '會計期間', 'Period', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (127, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (127, 'FRate', '比率', '比率', 'Rate', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (128, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (128, 'FPrice', '单价', '單價', 'Unit price', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (150, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (150, 'FBillNo', '单据编号', '單據編號', 'Bill number', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (150, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (150, 'FSupplyID', '供应商', '供應商', 'Supplier', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (150, 'FCurrencyID', '币别', '幣別', 'Currency', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (150, 'FExchangeRate', '汇率', '匯率', 'Exchange rate', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (150, 'FDeptID', '部门', '部門', 'Department', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (150, 'FEmpID', '职员', '職員', 'Employee', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (150, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (150, 'FBillerID', '制单人', '制單人', 'Prepared by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (150, 'FCheckerID', '审核人', '審覈人', 'Checked by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (150, 'FCheckDate', '审核日期', '審覈日期', 'Check date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (151, 'FEntryID', '分录号', '分錄號', 'Entry number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (151, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (151, 'FQty', '数量', '數量', 'Quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (151, 'FPrice', '单价', '單價', 'Unit price', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (151, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (151, 'FTaxRate', '税率', '稅率', 'Tax rate', '百分比', '百分比', 'Percent');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (151, 'FFetchDate', '交货日期', '交貨日期', 'Delivery date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (151, 'FNote', '备注', '備註', 'Note', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (152, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (152, 'FBillNo', '单据编号', '單據編號', 'Bill number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (152, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (152, 'FDeptID', '部门', '部門', 'Department', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (152, 'FEmpID', '职员', '職員', 'Employee', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (152, 'FBillerID', '制单人', '制單人', 'Prepared by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (152, 'FCheckerID', '审核人', '審覈人', 'Checked by', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (152, 'FCheckDate', '审核日期', '審覈日期', 'Check date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (153, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (153, 'FEntryID', '分录号', '分錄號', 'Entry number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (153, 'FItemID', '内码', '內碼', 'Internal ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (153, 'FQty', '数量', '數量', 'Quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (153, 'FPrice', '单价', '單價', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (153, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (153, 'FFetchDate', '交货日期', '交貨日期', 'Delivery date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (153, 'FNote', '备注', '備註', 'Note', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (154, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (154, 'FBillNo', '单据编号', '單據編號', 'Bill number', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (154, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (154, 'FSupplyID', '供应商', '供應商', 'Supplier', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (154, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (154, 'FBillerID', '制单人', '制單人', 'Prepared by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (154, 'FCheckerID', '审核人', '審覈人', 'Checked by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (154, 'FCheckDate', '审核日期', '審覈日期', 'Check date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (155, 'FInterID', '单据内码', '單據內碼', 'Bill ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (155, 'FEntryID', '分录号', '分錄號', 'Entry number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (155, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (155, 'FQty', '数量', '數量', 'Quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (155, 'FPrice', '单价', '單價', 'Unit price', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (155, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (155, 'FOrderBillNo', '订单编号', '訂單編號', 'Order number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (155, 'FNote', '备注', '備註', 'Note', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (156, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (156, 'FBillNo', '单据编号', '單據編號', 'Bill number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (156, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (156, 'FCurrencyID', '币别', '幣別', 'Currency', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (156, 'FTaxNo', '税务登记号', '稅務登記號', 'Tax number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (156, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (156, 'FBillerID', '制单人', '制單人', 'Prepared by', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (156, 'FCheckerID', '审核人', '審覈人', 'Checked by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (156, 'FCheckDate', '审核日期', '審覈日期', 'Check date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (157, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (157, 'FEntryID', '分录号', '分錄號', 'Entry number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (157, 'FItemID', '内码', '內碼', 'Internal ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (157, 'FQty', '数量', '數量', 'Quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (157, 'FPrice', '单价', '單價', 'Unit price', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (157, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (157, 'FTaxAmount', '税额', '稅額', 'Tax amount', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (157, 'FNote', '备注', '備註', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (158, 'FSupplyID', '供应商', '供應商', 'Supplier', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (158, 'FItemID', '内码', '內碼', 'Internal ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (158, 'FPrice', '单价', '單價', 'Unit price', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (158, 'FBeginDate', '开始日期', '開始日期', 'Start date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (158, 'FEndDate', '结束日期', '結束日期', 'End date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (159, 'FInterID', '单据内码', '單據內碼', 'Bill ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (159, 'FBillNo', '单据编号', '單據編號', 'Bill number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (159, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (159, 'FSupplyID', '供应商', '供應商', 'Supplier', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (159, 'FAmount', '金额', '金額', 'Amount', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (159, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (159, 'FBillerID', '制单人', '制單人', 'Prepared by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (159, 'FCheckDate', '审核日期', '審覈日期', 'Check date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (180, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (180, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (180, 'FCustID', '客户', '客戶', 'Customer', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (180, 'FCurrencyID', '币别', '幣別', 'Currency', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (180, 'FSaleStyle', '销售方式', '銷售方式', 'Sales mode', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (180, 'FDeptID', '部门', '部門', 'Department', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (180, 'FEmpID', '职员', '職員', 'Employee', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (180, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (180, 'FBillerID', '制单人', '制單人', 'Prepared by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (180, 'FCheckerID', '审核人', '審覈人', 'Checked by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (180, 'FCheckDate', '审核日期', '審覈日期', 'Check date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (181, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (181, 'FEntryID', '分录号', '分錄號', 'Entry number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (181, 'FItemID', '内码', '內碼', 'Internal ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (181, 'FQty', '数量', '數量', 'Quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (181, 'FPrice', '单价', '單價', 'Unit price', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (181, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (181, 'FFetchDate', '交货日期', '交貨日期', 'Delivery date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (181, 'FNote', '备注', '備註', 'Note', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (182, 'FBillNo', '单据编号', '單據編號', 'Bill number', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (182, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (182, 'FCustID', '客户', '客戶', 'Customer', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (182, 'FStockID', '仓库', '倉庫', 'Warehouse', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (182, 'FStatus', '状态', '狀態', NULL, '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (182, 'FBillerID', '制单人', '制單人', 'Prepared by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (182, 'FCheckerID', '审核人', '審覈人', 'Checked by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (182, 'FCheckDate', '审核日期', '審覈日期', 'Check date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (183, 'FInterID', '单据内码', '單據內碼', NULL, '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (183, 'FEntryID', '分录号', '分錄號', 'Entry number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (183, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (183, 'FQty', '数量', '數量', 'Quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (183, 'FPrice', '单价', '單價', 'Unit price', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (183, 'FOrderBillNo', '订单编号', '訂單編號', 'Order number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (183, 'FNote', '备注', '備註', 'Note', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (184, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (184, 'FBillNo', '单据编号', '單據編號', 'Bill number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (184, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (184, 'FCustID', '客户', '客戶', 'Customer', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (184, 'FEndDate', '结束日期', '結束日期', 'End date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (184, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (184, 'FBillerID', '制单人', '制單人', 'Prepared by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (184, 'FCheckerID', '审核人', '審覈人', 'Checked by', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (184, 'FCheckDate', '审核日期', '審覈日期', 'Check date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (185, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (185, 'FEntryID', '分录号', '分錄號', 'Entry number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (185, 'FItemID', '内码', '內碼', 'Internal ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (185, 'FQty', '数量', '數量', 'Quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (185, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (185, 'FNote', '备注', '備註', 'Note', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (186, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (186, 'FItemID', '内码', '內碼', 'Internal ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (186, 'FCustID', '客户', '客戶', 'Customer', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (186, 'FPrice', '单价', '單價', 'Unit price', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (186, 'FBeginDate', '开始日期', '開始日期', 'Start date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (186, 'FEndDate', '结束日期', '結束日期', 'End date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (187, 'FID', '序号', '序號', 'ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (187, 'FCustID', '客户', '客戶', 'Customer', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (187, 'FDiscount', '折扣', '折扣', 'Discount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (188, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (188, 'FBillNo', '单据编号', '單據編號', 'Bill number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (188, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (188, 'FCustID', '客户', '客戶', 'Customer', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (188, 'FCurrencyID', '币别', '幣別', 'Currency', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (188, 'FTaxNo', '税务登记号', '稅務登記號', 'Tax number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (188, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (188, 'FBillerID', '制单人', '制單人', 'Prepared by', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (188, 'FCheckDate', '审核日期', '審覈日期', 'Check date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (189, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (189, 'FEntryID', '分录号', '分錄號', 'Entry number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (189, 'FQty', '数量', '數量', 'Quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (189, 'FPrice', '单价', '單價', 'Unit price', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (189, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (189, 'FTaxAmount', '税额', '稅額', 'Tax amount', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (189, 'FNote', '备注', '備註', 'Note', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (210, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (210, 'FBillNo', '单据编号', '單據編號', 'Bill number', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (210, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (210, 'FTranType', '单据类型', '單據類型', 'Bill type', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (210, 'FStockID', '仓库', '倉庫', 'Warehouse', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (210, 'FDeptID', '部门', '部門', 'Department', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (210, 'FSourceBillNo', '源单编号', '源單編號', 'Source bill number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (210, 'FBillerID', '制单人', '制單人', 'Prepared by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (210, 'FCheckerID', '审核人', '審覈人', 'Checked by', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (210, 'FCheckDate', '审核日期', '審覈日期', 'Check date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (211, 'FInterID', '单据内码', '單據內碼', 'Bill ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (211, 'FDetailID', '明细内码', '明細內碼', 'Detail ID', '自增', '自增', 'Identity');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (211, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (211, 'FQty', '数量', '數量', 'Quantity', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (211, 'FPrice', '单价', '單價', 'Unit price', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (211, 'FAmount', '金额', '金額', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (211, 'FBatchNo', '批号', '批號', 'Batch number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (211, 'FKFDate', '生产日期', '生產日期', 'Production date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (211, 'FStockID', '仓库', '倉庫', 'Warehouse', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (211, 'FNote', '备注', '備註', 'Note', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (212, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (212, 'FBillNo', '单据编号', '單據編號', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (212, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (212, 'FStockID', '仓库', '倉庫', 'Warehouse', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (212, 'FExplanation', '摘要', '摘要', 'Explanation', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (212, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (212, 'FCheckerID', '审核人', '審覈人', 'Checked by', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (212, 'FCheckDate', '审核日期', '審覈日期', 'Check date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (213, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (213, 'FName', '名称', '名稱', 'Name', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (213, 'FAddress', '地址', '地址', 'Address', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (213, 'FEmpID', '职员', '職員', 'Employee', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (213, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (214, 'FSPID', '仓位', '倉位', 'Location', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (214, 'FStockID', '仓库', '倉庫', 'Warehouse', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (214, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (214, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (215, 'FStockID', '仓库', '倉庫', 'Warehouse', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (215, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (215, 'FBatchNo', '批号', '批號', 'Batch number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (215, 'FQty', '数量', '數量', 'Quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (215, 'FLockQty', '锁定数量', '鎖定數量', 'Locked quantity', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (216, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (216, 'FBatchNo', '批号', '批號', 'Batch number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (216, 'FKFDate', '生产日期', '生產日期', 'Production date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (216, 'FKFPeriod', '保质期', '保質期', 'Shelf life', '天', '天', 'Days');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (217, 'FSerialNo', '序列号', '序列號', 'Serial number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (217, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (217, 'FStockID', '仓库', '倉庫', 'Warehouse', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (217, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (218, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (218, 'FStockID', '仓库', '倉庫', 'Warehouse', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (218, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (218, 'FSourceInterID', '源单内码', '源單內碼', 'Source bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (219, 'FInterID', '单据内码', '單據內碼', 'Bill ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (219, 'FEntryID', '分录号', '分錄號', 'Entry number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (219, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (219, 'FBookQty', '账存数量', '賬存數量', 'Book quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (219, 'FCheckQty', '盘点数量', '盤點數量', 'Counted quantity', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (219, 'FDiffQty', '差异数量', '差異數量', 'Difference', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (240, 'FCardID', '卡片内码', '卡片內碼', 'Card ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (240, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (240, 'FTypeID', '类型', '類型', 'Type', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (240, 'FDeptID', '部门', '部門', 'Department', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (240, 'FBeginDate', '开始日期', '開始日期', 'Start date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (240, 'FOriginalValue', '原值', '原值', 'Original value', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (240, 'FDepr', '累计折旧', '累計折舊', NULL, '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (240, 'FLife', '使用年限', '使用年限', 'Useful life', '月', '月', 'Months');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (240, 'FResidualRate', '残值率', '殘值率', 'Residual rate', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (241, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (241, 'FCardID', '卡片内码', '卡片內碼', 'Card ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (241, 'FAlterType', '变动方式', '變動方式', NULL, '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (241, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (241, 'FOriginalValue', '原值', '原值', 'Original value', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (241, 'FNote', '备注', '備註', 'Note', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (242, 'FCardID', '卡片内码', '卡片內碼', 'Card ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (242, 'FRate', '比率', '比率', 'Rate', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (243, 'FItemID', '内码', '內碼', 'Internal ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (243, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (243, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (243, 'FLife', '使用年限', '使用年限', 'Useful life', '月', '月', 'Months');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (243, 'FDeprMethod', '折旧方法', '折舊方法', 'Depreciation method', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (243, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (244, 'FPeriod', '会计期间', '會計期間', 'Period', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (244, 'FCardID', '卡片内码', '卡片內碼', 'Card ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (244, 'FAmount', '金额', '金額', 'Amount', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (244, 'FDeprRate', '折旧率', '折舊率', 'Depreciation rate', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (244, 'FNetValue', '净值', '淨值', 'Net value', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (245, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (245, 'FCardID', '卡片内码', '卡片內碼', 'Card ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (245, 'FDate', '日期', '日期', 'Date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (245, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (245, 'FNote', '备注', '備註', 'Note', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (246, 'FYear', '会计年度', '會計年度', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (246, 'FPeriod', '会计期间', '會計期間', 'Period', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (246, 'FCardID', '卡片内码', '卡片內碼', 'Card ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (246, 'FWorkload', '工作量', '工作量', 'Workload', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (247, 'FItemID', '内码', '內碼', 'Internal ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (247, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (247, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (247, 'FEnabled', '启用', '啓用', 'Enabled', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (248, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (248, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (248, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (248, 'FAddress', '地址', '地址', 'Address', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (248, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (249, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (249, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (249, 'FName', '名称', '名稱', 'Name', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (249, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (270, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (270, 'FNumber', '代码', '代碼', 'Code', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (270, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (270, 'FDataType', '数据类型', '數據類型', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (270, 'FLength', '长度', '長度', 'Length', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (270, 'FDefault', '缺省值', '缺省值', 'Default value', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (270, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (271, 'FYear', '会计年度', '會計年度', 'Fiscal year', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (271, 'FPeriod', '会计期间', '會計期間', 'Period', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (271, 'FSalary', '应发工资', '應發工資', 'Gross pay', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (271, 'FTax', '个人所得税', '個人所得稅', 'Income tax', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (271, 'FNetPay', '实发工资', '實發工資', 'Net pay', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (272, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (272, 'FClassID', '类别内码', '類別內碼', 'Class ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (272, 'FFormula', '公式', '公式', 'Formula', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (273, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (273, 'FName', '名称', '名稱', 'Name', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (273, 'FCurrencyID', '币别', '幣別', 'Currency', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (273, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (274, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (274, 'FBase', '起征点', '起徵點', 'Threshold', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (274, 'FRate', '比率', '比率', 'Rate', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (274, 'FQuick', '速算扣除数', '速算扣除數', 'Quick deduction', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (275, 'FPeriod', '会计期间', '會計期間', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (275, 'FBeginDate', '开始日期', '開始日期', 'Start date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (275, 'FEndDate', '结束日期', '結束日期', 'End date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (276, 'FEmpID', '职员', '職員', 'Employee', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (276, 'FBankID', '开户银行', '開戶銀行', 'Bank', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (276, 'FBankAccount', '银行账号', '銀行賬號', 'Bank account', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (277, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (277, 'FDeptID', '部门', '部門', 'Department', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (277, 'FAccountID', '科目内码', '科目內碼', 'Account ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (277, 'FRate', '比率', '比率', 'Rate', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (278, 'FClassID', '类别内码', '類別內碼', 'Class ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (278, 'FDeptID', '部门', '部門', 'Department', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (300, 'FID', '序号', '序號', 'ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (300, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (300, 'FAccountID', '科目内码', '科目內碼', 'Account ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (300, 'FExplanation', '摘要', '摘要', 'Explanation', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (300, 'FDebit', '借方金额', '借方金額', NULL, '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (300, 'FCredit', '贷方金额', '貸方金額', 'Credit', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (300, 'FUserID', '用户', '用戶', 'User', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (301, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (301, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (301, 'FAccountID', '科目内码', '科目內碼', 'Account ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (301, 'FDebit', '借方金额', '借方金額', 'Debit', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (301, 'FCredit', '贷方金额', '貸方金額', 'Credit', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (302, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (302, 'FAccountID', '科目内码', '科目內碼', 'Account ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (302, 'FDate', '日期', '日期', 'Date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (302, 'FDebit', '借方金额', '借方金額', 'Debit', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (302, 'FCredit', '贷方金额', '貸方金額', 'Credit', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (302, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (303, 'FCheckNo', '支票号', '支票號', 'Cheque number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (303, 'FAccountID', '科目内码', '科目內碼', 'Account ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (303, 'FPayee', '收款人', '收款人', 'Payee', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (303, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (303, 'FUse', '用途', '用途', 'Purpose', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (304, 'FDate', '日期', '日期', 'Date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (304, 'FDenomination', '面额', '面額', 'Denomination', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (304, 'FCount', '张数', '張數', 'Count', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (305, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (305, 'FFromAcctID', '转出账户', '轉出賬戶', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (305, 'FToAcctID', '转入账户', '轉入賬戶', 'To account', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (305, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (306, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (306, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (306, 'FName', '名称', '名稱', 'Name', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (306, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (307, 'FBankID', '开户银行', '開戶銀行', 'Bank', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (307, 'FBeginDate', '开始日期', '開始日期', 'Start date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (307, 'FEndDate', '结束日期', '結束日期', 'End date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (307, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (307, 'FRate', '比率', '比率', 'Rate', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (330, 'FItemID', '内码', '內碼', 'Internal ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (330, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (330, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (330, 'FTypeID', '类型', '類型', 'Type', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (330, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (331, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (331, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (331, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (331, 'FTypeID', '类型', '類型', 'Type', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (331, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (332, 'FYear', '会计年度', '會計年度', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (332, 'FPeriod', '会计期间', '會計期間', 'Period', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (332, 'FDeptID', '部门', '部門', 'Department', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (332, 'FCostItemID', '成本项目', '成本項目', 'Cost item', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (333, 'FCostObjID', '成本对象', '成本對象', 'Cost object', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (333, 'FAllocBase', '分配标准', '分配標準', 'Allocation base', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (333, 'FTypeID', '类型', '類型', 'Type', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (334, 'FYear', '会计年度', '會計年度', 'Fiscal year', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (334, 'FPeriod', '会计期间', '會計期間', 'Period', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (334, 'FCostObjID', '成本对象', '成本對象', 'Cost object', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (334, 'FAmount', '金额', '金額', 'Amount', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (335, 'FYear', '会计年度', '會計年度', 'Fiscal year', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (335, 'FPeriod', '会计期间', '會計期間', 'Period', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (335, 'FCostObjID', '成本对象', '成本對象', 'Cost object', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (335, 'FCostItemID', '成本项目', '成本項目', 'Cost item', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (335, 'FFinishQty', '完工数量', '完工數量', 'Finished quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (335, 'FActualCost', '实际成本', '實際成本', 'Actual cost', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (336, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (336, 'FCostItemID', '成本项目', '成本項目', 'Cost item', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (336, 'FBeginDate', '开始日期', '開始日期', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (337, 'FYear', '会计年度', '會計年度', 'Fiscal year', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (337, 'FPeriod', '会计期间', '會計期間', 'Period', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (337, 'FClosed', '已结账', '已結賬', 'Closed', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (360, 'FReportID', '报表内码', '報表內碼', 'Report ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (360, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (360, 'FDescription', '描述', '描述', 'Description', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (360, 'FUserID', '用户', '用戶', 'User', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (360, 'FUpdateTime', '更新时间', '更新時間', 'Update time', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (361, 'FReportID', '报表内码', '報表內碼', 'Report ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (361, 'FRow', '行', '行', 'Row', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (361, 'FCol', '列', '列', 'Column', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (361, 'FContent', '内容', '內容', 'Content', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (362, 'FRow', '行', '行', 'Row', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (362, 'FCol', '列', '列', 'Column', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (362, 'FFormula', '公式', '公式', 'Formula', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (363, 'FCacheKey', '缓存键', '緩存鍵', 'Cache key', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (363, 'FCacheData', '缓存数据', '緩存數據', NULL, '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (363, 'FExpire', '过期时间', '過期時間', 'Expiry time', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (364, 'FReportID', '报表内码', '報表內碼', 'Report ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (364, 'FStyle', '格式', '格式', 'Style', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (365, 'FReportID', '报表内码', '報表內碼', 'Report ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (365, 'FPaper', '纸张', '紙張', 'Paper', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (365, 'FOrientation', '打印方向', '打印方向', 'Orientation', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (365, 'FMargin', '页边距', '頁邊距', 'Margin', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (366, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (366, 'FReportID', '报表内码', '報表內碼', 'Report ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (366, 'FFormula', '公式', '公式', 'Formula', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (366, 'FMessage', '消息', '消息', 'Message', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (390, 'FSubSysID', '子系统内码', '子系統內碼', 'Subsystem ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (390, 'FName', '名称', '名稱', 'Name', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (390, 'FName_CHT', '繁体名称', '繁體名稱', 'Name (traditional Chinese)', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (391, 'FSubSystemID', '所属子系统', '所屬子系統', 'Subsystem', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (391, 'FTableID', '表内码', '表內碼', 'Table ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (391, 'FTableName', '表名', '表名', 'Table name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (391, 'FDescription', '描述', '描述', 'Description', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (391, 'FDescription_CHT', '繁体描述', '繁體描述', 'Description (traditional Chinese)', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (391, 'FDescription_EN', '英文描述', '英文描述', 'Description (English)', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (392, 'FTableID', '表内码', '表內碼', 'Table ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (392, 'FFieldName', '字段名', '字段名', 'Field name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (392, 'FDescription_CHT', '繁体描述', '繁體描述', 'Description (traditional Chinese)', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (392, 'FDescription_EN', '英文描述', '英文描述', 'Description (English)', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (392, 'FFieldNote', '字段备注', '字段備註', 'Field note', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (392, 'FFieldNote_CHT', '繁体备注', '繁體備註', 'Note (traditional Chinese)', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (392, 'FFieldNote_EN', '英文备注', '英文備註', 'Note (English)', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (393, 'FUserID', '用户', '用戶', 'User', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (393, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (393, 'FSID', '安全标识', '安全標識', 'Security ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (393, 'FPassword', '密码', '密碼', 'Password', '单向散列值', '單向散列值', 'One-way hash');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (393, 'FGroupID', '类别', '類別', 'Group', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (393, 'FEnabled', '启用', '啓用', 'Enabled', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (393, 'FNote', '备注', '備註', 'Note', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (394, 'FGroupID', '类别', '類別', 'Group', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (394, 'FNote', '备注', '備註', 'Note', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (395, 'FUserID', '用户', '用戶', 'User', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (395, 'FObjectType', '对象类型', '對象類型', 'Object type', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (395, 'FObjectID', '对象内码', '對象內碼', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (395, 'FAccessMask', '权限掩码', '權限掩碼', 'Access mask', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (396, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (396, 'FUserID', '用户', '用戶', 'User', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (396, 'FMachine', '计算机名', '計算機名', 'Computer name', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (396, 'FIP', 'IP地址', 'IP地址', 'IP address', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (396, 'FFunction', '功能', '功能', 'Function', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (396, 'FWhat', '操作内容', '操作內容', 'Operation', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (0, 'FCategory', '类别', '類別', 'Category', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (0, 'FKey', '关键字', '關鍵字', 'Key', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (0, 'FValue', '值', '值', 'Value', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (0, 'FExplain', '说明', '說明', 'Explanation', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FSmall', '短整数', '短整數', 'Small integer', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FTiny', '微整数', '微整數', 'Tiny integer', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FBig', '长整数', '長整數', 'Big integer', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FFlag', '标志', '標誌', 'Flag', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FDecimal', '大额小数', '大額小數', 'Large decimal', '28位精度10位小数', '28位精度10位小數', '28 digits, 10 after the point');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FNumeric', '数值', '數值', 'Numeric', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FMoney', '货币', '貨幣', 'Money', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FSmallMoney', '小额货币', '小額貨幣', 'Small money', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FFloat', '浮点数', '浮點數', 'Float', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FReal', '单精度数', '單精度數', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FDateTime', '日期时间', '日期時間', 'Date and time', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FSmallDate', '短日期时间', '短日期時間', 'Small date and time', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FDateTime2', '高精度日期时间', '高精度日期時間', 'Precise date and time', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FTime', '时间', '時間', 'Time', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FCode', '定长代码', '定長代碼', 'Fixed code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FNCode', '定长中文代码', '定長中文代碼', 'Fixed Unicode code', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FNName', '中文名称', '中文名稱', 'Unicode name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FMemo', '长备注', '長備註', 'Long memo', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FNMemo', '中文长备注', '中文長備註', 'Long Unicode memo', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FText', '文本', '文本', 'Text', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FNText', '中文文本', '中文文本', 'Unicode text', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FBinary', '定长二进制', '定長二進制', 'Fixed binary', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FVarBinary', '变长二进制', '變長二進制', 'Variable binary', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (205, 'FGUID', '全局标识', '全局標識', 'Global identifier', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (9205, 'FNote', '备注', '備註', 'Note', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (397, 'FItemClassID', '类别内码', '類別內碼', 'Class ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (397, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (397, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (397, 'ibitype', '单据类型号', '單據類型號', 'Bill type number', '编码规则的前两位', '編碼規則的前兩位', 'First two digits of the number');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (397, 'ssourcetable', '编号来源表', '編號來源表', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (397, 'FMaxNumber', '当前最大编号', '當前最大編號', 'Current highest number', '由编号来源表重算', '由編號來源表重算', 'Recomputed from the source table');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (398, 'FID', '序号', '序號', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (398, 'FGUID', '全局标识', '全局標識', 'Global identifier', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (398, 'FFileName', '文件名', '文件名', 'File name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (398, 'FFileSize', '文件大小', '文件大小', 'File size', '字节', '字節', 'Bytes');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (398, 'FHash', '校验值', '校驗值', 'Checksum', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (398, 'FContent', '内容', '內容', 'Content', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (398, 'FUploadTime', '上传时间', '上傳時間', 'Upload time', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (-1, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (-1, 'FKey', '关键字', '關鍵字', 'Key', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (-1, 'FValue', '值', '值', 'Value', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (399, 'FVersion', '版本', '版本', 'Version', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (399, 'FBuild', '版本号', '版本號', 'Build number', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (399, 'FUpdateTime', '更新时间', '更新時間', 'Update time', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (400, 'FID', '序号', '序號', 'ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (400, 'FSource', '来源', '來源', 'Source', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (400, 'FRecordCount', '记录数', '記錄數', 'Record count', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (420, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (420, 'FItemClassID', '类别内码', '類別內碼', 'Class ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (420, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (420, 'FName', '名称', '名稱', NULL, '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (420, 'FFullName', '全名', '全名', 'Full name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (420, 'FParentID', '上级内码', '上級內碼', 'Parent ID', '0表示顶级', '0表示頂級', '0 means top level');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (420, 'FLevel', '级次', '級次', 'Level', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (420, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (421, 'FCurrencyID', '币别', '幣別', 'Currency', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (421, 'FName', '名称', '名稱', 'Name', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (421, 'FSymbol', '货币符号', '貨幣符號', 'Symbol', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (421, 'FScale', '金额小数位', '金額小數位', 'Decimal places', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (421, 'FExchangeRate', '汇率', '匯率', 'Exchange rate', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (421, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (422, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (422, 'FNumber', '代码', '代碼', 'Code', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (422, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (422, 'FParentID', '上级内码', '上級內碼', 'Parent ID', '0表示顶级', '0表示頂級', '0 means top level');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (422, 'FPhone', '电话', '電話', 'Phone', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (422, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (423, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (423, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (423, 'FDeptID', '部门', '部門', 'Department', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (423, 'FGender', '性别', '性別', 'Gender', 'M-男 F-女', 'M-男 F-女', 'M male, F female');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (423, 'FBirthday', '出生日期', '出生日期', 'Birthday', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (423, 'FIDCard', '身份证号', '身份證號', 'ID card number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (423, 'FEmail', '电子邮件', '電子郵件', 'E-mail', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (423, 'FPhoto', '照片', '照片', 'Photo', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (423, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (424, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (424, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (424, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (424, 'FAddress', '地址', '地址', 'Address', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (424, 'FContact', '联系人', '聯繫人', 'Contact', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (424, 'FRegionID', '地区', '地區', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (424, 'FCreditLimit', '信用额度', '信用額度', 'Credit limit', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (424, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (425, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (425, 'FNumber', '代码', '代碼', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (425, 'FName', '名称', '名稱', 'Name', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (425, 'FAddress', '地址', '地址', 'Address', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (425, 'FContact', '联系人', '聯繫人', 'Contact', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (425, 'FBankAccount', '银行账号', '銀行賬號', 'Bank account', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (425, 'FTaxNo', '税务登记号', '稅務登記號', 'Tax number', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (425, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (426, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (426, 'FNumber', '代码', '代碼', 'Code', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (426, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (426, 'FModel', '规格型号', '規格型號', 'Model', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (426, 'FErpClsID', '物料属性', '物料屬性', 'Item property', '1-外购 2-自制 3-委外', '1-外購 2-自制 3-委外', '1 purchased, 2 made, 3 subcontracted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (426, 'FSafeQty', '安全库存', '安全庫存', 'Safety stock', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (426, 'FPrice', '单价', '單價', 'Unit price', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (426, 'FKFPeriod', '保质期', '保質期', 'Shelf life', '天', '天', 'Days');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (426, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (427, 'FItemID', '内码', '內碼', 'Internal ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (427, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (427, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (427, 'FGroupID', '类别', '類別', 'Group', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (427, 'FRate', '比率', '比率', 'Rate', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (427, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (428, 'FCurrencyID', '币别', '幣別', 'Currency', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (428, 'FBeginDate', '开始日期', '開始日期', 'Start date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (428, 'FEndDate', '结束日期', '結束日期', 'End date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (429, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (429, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (429, 'FName', '名称', '名稱', 'Name', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (429, 'FAddress', '地址', '地址', 'Address', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (429, 'FDeleted', '删除标志', '刪除標誌', NULL, '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (430, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (430, 'FNumber', '代码', '代碼', 'Code', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (430, 'FCountry', '国家', '國家', 'Country', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (430, 'FPostCode', '邮政编码', '郵政編碼', 'Post code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (430, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (431, 'FItemID', '内码', '內碼', 'Internal ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (431, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (431, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (431, 'FParentID', '上级内码', '上級內碼', 'Parent ID', '0表示顶级', '0表示頂級', '0 means top level');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (431, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (450, 'FInterID', '单据内码', '單據內碼', 'Bill ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (450, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (450, 'FItemID', '内码', '內碼', 'Internal ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (450, 'FPlanQty', '计划数量', '計劃數量', 'Planned quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (450, 'FPlanDate', '计划日期', '計劃日期', 'Planned date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (450, 'FFinishQty', '完工数量', '完工數量', 'Finished quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (450, 'FWorkCenterID', '工作中心', '工作中心', 'Work center', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (450, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (450, 'FBillerID', '制单人', '制單人', 'Prepared by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (450, 'FCheckerID', '审核人', '審覈人', 'Checked by', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (450, 'FCheckDate', '审核日期', '審覈日期', 'Check date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (451, 'FBOMID', 'BOM内码', 'BOM內碼', 'BOM ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (451, 'FBillNo', '单据编号', '單據編號', 'Bill number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (451, 'FItemID', '内码', '內碼', 'Internal ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (451, 'FQty', '数量', '數量', 'Quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (451, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (451, 'FVersion', '版本', '版本', 'Version', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (452, 'FEntryID', '分录号', '分錄號', 'Entry number', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (452, 'FChildItemID', '子项物料', '子項物料', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (452, 'FQty', '数量', '數量', 'Quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (452, 'FScrap', '损耗率', '損耗率', 'Scrap rate', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (452, 'FOperID', '工序', '工序', 'Operation', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (453, 'FItemID', '内码', '內碼', 'Internal ID', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (453, 'FOperSN', '工序号', '工序號', 'Operation number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (453, 'FOperID', '工序', '工序', 'Operation', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (453, 'FWorkCenterID', '工作中心', '工作中心', 'Work center', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (453, 'FHours', '工时', '工時', 'Hours', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (454, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (454, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (454, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (454, 'FDeptID', '部门', '部門', 'Department', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (454, 'FCapacity', '能力', '能力', 'Capacity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (454, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (455, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (455, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (455, 'FName', '名称', '名稱', 'Name', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (455, 'FWorkCenterID', '工作中心', '工作中心', 'Work center', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (455, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (456, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (456, 'FMOID', '生产任务单', '生產任務單', 'Production order', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (456, 'FOperSN', '工序号', '工序號', 'Operation number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (456, 'FFinishQty', '完工数量', '完工數量', 'Finished quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (456, 'FHours', '工时', '工時', 'Hours', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (456, 'FDate', '日期', '日期', NULL, '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (457, 'FID', '序号', '序號', NULL, '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (457, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (457, 'FPlanQty', '计划数量', '計劃數量', 'Planned quantity', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (457, 'FCalcTime', '计算时间', '計算時間', 'Calculation time', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (458, 'FWorkDay', '工作日', '工作日', 'Working day', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (458, 'FShift', '班次', '班次', 'Shift', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (458, 'FStartTime', '开始时间', '開始時間', 'Start time', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (458, 'FEndTime', '结束时间', '結束時間', 'End time', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (458, 'FWorkCenterID', '工作中心', '工作中心', 'Work center', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (459, 'FItemID', '内码', '內碼', 'Internal ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (459, 'FNumber', '代码', '代碼', 'Code', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (459, 'FDeleted', '删除标志', '刪除標誌', 'Deleted flag', '1-已删除', '1-已刪除', '1 means deleted');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (990, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (990, 'FSource', '来源', '來源', 'Source', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (990, 'FContent', '内容', '內容', 'Content', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (990, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (70, 'FCheckNo', '支票号', '支票號', 'Cheque number', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (70, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (70, 'FEndDate', '结束日期', '結束日期', NULL, NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (70, 'FAmount', '金额', '金額', 'Amount', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (70, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (98, 'FCheckNo', '支票号', '支票號', 'Cheque number', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (98, 'FSupplyID', '供应商', '供應商', 'Supplier', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (98, 'FDate', '日期', '日期', 'Date', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (98, 'FEndDate', '结束日期', '結束日期', 'End date', '', '', '');
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (98, 'FAmount', '金额', '金額', 'Amount', NULL, NULL, NULL);
INSERT INTO t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, FFieldNote, FFieldNote_CHT, FFieldNote_EN) VALUES (98, 'FStatus', '状态', '狀態', 'Status', '0-未审核 1-已审核 2-已关闭', '0-未審覈 1-已審覈 2-已關閉', '0 open, 1 checked, 2 closed');

-- Sample rows

INSERT INTO t_Sample (FID, FSmall, FTiny, FBig, FFlag, FDecimal, FNumeric, FMoney, FSmallMoney, FFloat, FReal, FDateTime,
  FSmallDate, FDateTime2, FDate, FTime, FCode, FNCode, FName, FNName, FMemo, FNMemo, FText, FNText, FBinary, FVarBinary,
  FImage, FGUID, FNote)
VALUES
  (1, 1, 2, 9223372036854775807, 1, 123456789012345678, 1234.5678, 1234.56, 12.5, 0.1, 1.5, '2024-01-31 08:05:09.123',
   '2024-01-31 08:05:00', '2024-01-31 08:05:09.1234567', '2024-01-31', '08:05:09', 'A001', '甲001', 'O''Hara',
   '𠀀😀 示例', 'first line' || char(13, 10) || 'second line', '第一行' || char(13, 10) || '第二行', 'It''s ''quoted''',
   '中文文本 𠀀', X'00FF10AB00000000', X'00FF10', X'89504E470D0A1A0A', '6F9619FF-8B86-D011-B42D-00C04FC964FF', '普通行'),
  (2, 0, NULL, NULL, 0, 0, 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL, NULL, '', '', '', '', '', '', '', '', NULL, X'',
   X'', NULL, ''),
  (3, 0, NULL, NULL, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, '   ', '   ', '   ', '   ',
   '   ', '   ', '   ', '   ', NULL, NULL, NULL, NULL, '   '),
  (4, 0, NULL, NULL, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, '', NULL, '', NULL, NULL, NULL,
   NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  (5, -32768, 255, -9223372036854775808, 1, 12345678.0123456, -99999999.9999, -1234.5, -0.01, 1e300, -3.5,
   '1900-01-01 00:00:00.000', '1900-01-01 00:00:00', '0001-01-01 00:00:00.0000000', '9999-12-31', '23:59:59.997', 'Z999',
   'O''Brien', ' lead and trail ', ' 前后有空格 ', 'tab' || char(9) || 'inside', '引号''和''双引号"', '''', '''''', X'0000000000000000',
   X'0000', X'00', '00000000-0000-0000-0000-000000000000', '😀'),
  (6, 7, 7, 7, 0, -0.0000000001, 0.0001, 92233720368.5477, 214748.3647, 2.5e-08, 0.25, '2024-02-29 23:59:59.997',
   '2024-02-29 23:59:00', '2024-02-29 23:59:59.9999999', '2024-02-29', '00:00:00', 'B002', '乙002', 'plain', '普通',
   NULL, NULL, NULL, NULL, X'FFFFFFFFFFFFFFFF', X'DEADBEEF', X'FFD8FFE0', 'A0EEBC99-9C0B-4EF8-BB6D-6BB9BD380A11', NULL);

INSERT INTO t_Currency (FCurrencyID, FNumber, FName, FSymbol, FScale, FExchangeRate, FDeleted) VALUES
  (1, 'RMB', '人民币', '¥', 2, 1, 0),
  (2, 'USD', '美元', '$', 2, 7.1234, 0),
  (3, 'HKD', '港币', 'HK$', 2, 0.9123, 0),
  (4, 'EUR', '欧元', '€', 2, 7.8012, 0),
  (5, 'JPY', '日元', '円', 0, 0.0489, 1);

INSERT INTO t_Department (FItemID, FNumber, FName, FParentID, FPhone, FDeleted) VALUES
  (1, '01', '总经办', 0, '010-88886666', 0),
  (2, '02', '财务部', 0, '010-88886667', 0),
  (3, '02.01', '会计科', 2, NULL, 0),
  (4, '03', '销售部', 0, '', 0),
  (5, '04', '仓储部', 0, '   ', 1);

INSERT INTO t_Emp (FItemID, FNumber, FName, FDeptID, FGender, FBirthday, FIDCard, FEmail, FPhoto, FDeleted) VALUES
  (1, '001', '张三', 2, 'M', '1985-03-12', '110101198503120011', 'zhangsan@example.com', NULL, 0),
  (2, '002', 'O''Hara', 4, 'F', '1990-07-01', NULL, 'ohara@example.com', X'89504E470D0A1A0A0000000D49484452', 0),
  (3, '003', '𠀀明', 3, 'M', NULL, NULL, '', NULL, 0),
  (4, '004', '李四 😀', 1, NULL, '2000-02-29', '', NULL, NULL, 0),
  (5, '005', '   ', NULL, ' ', NULL, '   ', '   ', X'', 1),
  (6, '006', '', NULL, '', NULL, NULL, NULL, NULL, 0);

INSERT INTO t_Account (FAccountID, FNumber, FName, FFullName, FLevel, FDetail, FParentID, FDC, FGroupID, FCurrencyID, FDeleted) VALUES
  (1001, '1001', '库存现金', '库存现金', 1, 1, 0, 1, 1, 1, 0),
  (1002, '1002', '银行存款', '银行存款', 1, 0, 0, 1, 1, NULL, 0),
  (1003, '1002.01', '工商银行', '银行存款_工商银行', 2, 1, 1002, 1, 1, 1, 0),
  (1004, '1002.02', '汇丰银行(美元)', '银行存款_汇丰银行(美元)', 2, 1, 1002, 1, 1, 2, 0),
  (1122, '1122', '应收账款', '应收账款', 1, 1, 0, 1, 1, NULL, 0),
  (1403, '1403', '原材料', '原材料', 1, 1, 0, 1, 1, NULL, 0),
  (2202, '2202', '应付账款', '应付账款', 1, 1, 0, -1, 2, NULL, 0),
  (6001, '6001', '主营业务收入', '主营业务收入', 1, 1, 0, -1, 5, NULL, 0),
  (6602, '6602', '管理费用', '管理费用', 1, 1, 0, 1, 5, NULL, 0);

INSERT INTO t_Voucher (FVoucherID, FDate, FYear, FPeriod, FGroupID, FNumber, FExplanation, FAttachments, FBillerID, FCheckerID, FPosted, FSerialNum) VALUES
  (1, '2024-01-05 00:00:00.000', 2024, 1, 1, 1, '提现备用', 1, 1, 2, 1, 1),
  (2, '2024-01-10 00:00:00.000', 2024, 1, 1, 2, '收到O''Hara Trading货款', 2, 1, NULL, 0, 2),
  (3, '2024-01-31 00:00:00.000', 2024, 1, 2, 1, '', 0, 2, NULL, 0, 3);

INSERT INTO t_VoucherEntry (FVoucherID, FEntryID, FExplanation, FAccountID, FCurrencyID, FExchangeRate, FDC, FAmountFor, FAmount, FQty, FCashFlowID) VALUES
  (1, 0, '提现备用', 1001, 1, 1, 1, 5000, 5000, NULL, 1),
  (1, 1, '提现备用', 1003, 1, 1, -1, 5000, 5000, NULL, NULL),
  (2, 0, '收到货款', 1004, 2, 7.1234, 1, 1000.5, 7127.16, NULL, 2),
  (2, 1, '收到货款', 1122, 2, 7.1234, -1, 1000.5, 7127.16, NULL, NULL),
  (3, 0, '领用材料', 6602, 1, 1, 1, 0.01, 0.01, 0.0000000001, NULL),
  (3, 1, '   ', 1403, 1, 1, -1, 0.01, 0.01, 0.0000000001, NULL);

INSERT INTO t_ICItem (FItemID, FNumber, FName, FModel, FUnitID, FErpClsID, FSafeQty, FPrice, FKFPeriod, FDeleted) VALUES
  (1, '01.001', '钢板', 'Q235 6mm', 1, 1, 100, 4500.5, NULL, 0),
  (2, '01.002', '螺栓 M8', 'M8x30', 2, 1, 10000, 0.35, NULL, 0),
  (3, '02.001', '电机', 'Y2-132S-4 5.5kW', 3, 2, 5, 2380, 720, 0),
  (4, '03.001', 'O''Brien 轴承', '6204-2RS', 3, 3, NULL, NULL, NULL, 0);

INSERT INTO t_ICStockBill (FInterID, FBillNo, FDate, FTranType, FStockID, FDeptID, FSourceBillNo, FStatus, FBillerID, FCheckerID, FCheckDate) VALUES
  (1001, '070000000000012', '2024-01-08 09:30:00.000', 1, 1, NULL, '710000000000001', 1, 1, 2, '2024-01-08 10:00:00.000'),
  (1002, '070000000000013', '2024-01-09 14:00:00.000', 1, 1, NULL, NULL, 0, 1, NULL, NULL),
  (1003, 'XOUT000001', '2024-01-12 16:45:30.500', 21, 2, 4, '', 0, 2, NULL, NULL);

INSERT INTO t_ICStockBillEntry (FInterID, FEntryID, FDetailID, FItemID, FQty, FPrice, FBatchNo, FKFDate, FStockID, FNote) VALUES
  (1001, 1, 1, 1, 10, 4500.5, 'B2024-01', '2024-01-02', 1, '首批'),
  (1001, 2, 2, 2, 2000, 0.35, '', NULL, 1, NULL),
  (1002, 1, 3, 3, 2, 2380, '', '2023-12-20', 1, ''),
  (1003, 1, 4, 1, 1.5, 4500.5, 'B2024-01', NULL, 2, 'O''Hara 领用');

INSERT INTO t_POOrder (FInterID, FBillNo, FDate, FSupplyID, FCurrencyID, FExchangeRate, FPOStyle, FDeptID, FEmpID, FStatus, FBillerID) VALUES
  (2001, '710000000000001', '2024-01-03 00:00:00.000', 1, 1, 1, 0, 2, 1, 1, 1),
  (2002, '710000000000003', '2024-01-20 00:00:00.000', 2, 2, 7.1234, 1, 2, 2, 0, 1);

INSERT INTO t_POOrderEntry (FInterID, FEntryID, FItemID, FQty, FPrice, FAmount, FTaxRate, FFetchDate, FNote) VALUES
  (2001, 1, 1, 10, 4500.5, 45005, 13, '2024-01-08 00:00:00.000', NULL),
  (2002, 1, 3, 2, 330.12, 660.24, 0, NULL, '进口');

INSERT INTO t_ItemClass (FItemClassID, FNumber, FName, ibitype, soidsourcefield, ssourcetable, FMaxNumber) VALUES
  (1, '01', '外购入库单', 7, 'FBillNo', 't_ICStockBill', NULL),
  (2, '02', '采购订单', 71, 'FBillNo', 't_POOrder', '710000000000000'),
  (3, '03', '销售订单', 5, 'FBillNo', 't_SEOrder', '');

INSERT INTO t_Organization (FItemID, FNumber, FName, FAddress, FContact, FPhone, FRegionID, FCreditLimit, FDeleted) VALUES
  (1, 'C001', '北京示例贸易有限公司', '北京市海淀区中关村大街1号', '王五', '010-66668888', 1, 500000, 0),
  (2, 'C002', 'O''Hara Trading Ltd.', '12 Harbour Road, Wan Chai', 'Mary O''Hara', '+852 2345 6789', 2, 100000.5, 0),
  (3, 'C003', '𠀀𠀁商行', '', NULL, '   ', NULL, NULL, 0);

INSERT INTO t_Supplier (FItemID, FNumber, FName, FAddress, FContact, FBankAccount, FTaxNo, FDeleted) VALUES
  (1, 'S001', '上海示例钢铁有限公司', '上海市浦东新区', '赵六', '6222020200112233445', '91310000123456789X', 0),
  (2, 'S002', 'Müller GmbH', 'Königstraße 1, Stuttgart', 'Jürgen Müller', NULL, 'DE123456789', 0);

INSERT INTO t_User (FUserID, FName, FSID, FPassword, FGroupID, FEnabled, FNote) VALUES
  (1, 'Administrator', 'S-1-5-21-1004', X'00112233445566778899AABBCCDDEEFF', 1, 1, ''),
  (2, 'O''Hara', NULL, NULL, 2, 1, NULL),
  (3, '会计', 'S-1-5-21-1006', X'0F0E0D0C0B0A09080706050403020100', 2, 0, '已停用');

INSERT INTO t_Group (FGroupID, FGroupName, FNote) VALUES
  (1, 'Administrators', '系统管理员组'),
  (2, '财务组', NULL);

INSERT INTO t_SysLog (FLogID, FDate, FUserID, FMachine, FIP, FFunction, FWhat) VALUES
  (1, '2024-01-31 08:05:00', 1, 'ACCT-PC01', '192.168.1.20', '登录', '用户登录系统'),
  (2, '2024-01-31 08:10:00', 2, 'O''Hara-PC', NULL, '凭证录入', 'line 1' || char(13, 10) || 'line 2'),
  (3, '2024-01-31 09:00:00', 3, '', '               ', '   ', ''),
  (9000000000, '2024-02-01 00:00:00', 1, NULL, NULL, NULL, NULL);

INSERT INTO t_Attachment (FID, FGUID, FFileName, FFileSize, FHash, FContent, FUploadTime) VALUES
  (1, '6F9619FF-8B86-D011-B42D-00C04FC964FF', '附件.pdf', 3, X'00FF10', X'255044', '2024-01-31 08:05:09.1234567'),
  (2, '7C9E6679-7425-40DE-944B-E07FC1F90AE7', 'empty.bin', 0, X'', X'', NULL),
  (3, '16FD2706-8BAF-433B-82EB-8C7FADA847DA', '😀.png', 8, NULL, X'89504E470D0A1A0A', '2024-02-29 23:59:59.9990000');

INSERT INTO t_ExchangeRate (FCurrencyID, FBeginDate, FEndDate, FExchangeRate) VALUES
  (2, '2024-01-01 00:00:00.000', '2024-01-31 00:00:00.000', 7.1234),
  (2, '2024-02-01 00:00:00.000', NULL, 7.1),
  (3, '2024-01-01 00:00:00.000', NULL, 0.9123);

INSERT INTO t_GLPeriod (FYear, FPeriod, FBeginDate, FEndDate, FClosed) VALUES
  (2024, 1, '2024-01-01', '2024-01-31', 1),
  (2024, 2, '2024-02-01', '2024-02-29', 0),
  (2024, 3, '2024-03-01', '2024-03-31', 0);

INSERT INTO t_SystemProfile (FCategory, FKey, FValue, FExplain) VALUES
  ('GL', 'CurrentYear', '2024', '当前会计年度'),
  ('GL', 'CurrentPeriod', '2', '当前会计期间'),
  ('IC', 'StartDate', '2024-01-01', NULL),
  ('BASE', 'CompanyName', '示例科技有限公司', '');

INSERT INTO t_DataVersion (FVersion, FBuild, FUpdateTime) VALUES
  ('10.2.0', 1234, '2024-01-01 00:00:00.000');

INSERT INTO t_CS_CashJournal (FDate, FAccountID, FExplanation, FDebit, FCredit, FUserID) VALUES
  ('2024-01-05 00:00:00.000', 1001, '提现备用', 5000, 0, 1),
  ('2024-01-06 00:00:00.000', 1001, '报销差旅费', 0, 1234.56, 2),
  ('2024-01-07 00:00:00.000', 1001, NULL, 0, 0.01, 1);

INSERT INTO t_ShiftCalendar (FWorkDay, FShift, FStartTime, FEndTime, FWorkCenterID) VALUES
  ('2024-01-02', 1, '08:00:00', '16:00:00', NULL),
  ('2024-01-02', 2, '16:00:00', '23:59:59.997', 1);
