-- 示例表: every column type, quotes, blanks, empty texts, NULLs

drop table t_Sample

create table t_Sample(
  FID    int    identity    ,
  FSmall    smallint    not null    default (0),
  FTiny    tinyint    null    ,
  FBig    bigint    null    ,
  FFlag    bit    not null    default (0),
  FDecimal    decimal(28,10)  null    ,
  FNumeric    decimal(18,4)  null    ,
  FMoney    money    null    ,
  FSmallMoney    money    null    ,
  FFloat    float    null    ,
  FReal    real    null    ,
  FDateTime    datetime    null    default (getdate()),
  FSmallDate    datetime    null    ,
  FDateTime2    datetime2(7)    null    ,
  FDate    date    null    ,
  FTime    time(7)    null    ,
  FCode    char(10)    not null    default (''),
  FNCode    nchar(10)    null    ,
  FName    varchar(80)    not null    default (''),
  FNName    nvarchar(80)    null    ,
  FMemo    varchar(max)    null    ,
  FNMemo    nvarchar(max)    null    ,
  FText    text    null    ,
  FNText    ntext    null    ,
  FBinary    binary(8)    null    ,
  FVarBinary    varbinary(64)    null    ,
  FImage    image    null    ,
  FGUID    uniqueidentifier    null    ,
  FNote    nvarchar(255)    null    default (''),
  constraint PK_T_SAMPLE primary key (FID)
)

IF EXISTS (SELECT 1 FROM sysindexes WHERE name = 'ix_t_Sample_Name')
begin
  DROP INDEX t_Sample.ix_t_Sample_Name
end
create index ix_t_Sample_Name on t_Sample (FName,FDateTime)


IF EXISTS (SELECT 1 FROM sysindexes WHERE name = 'ix_t_Sample_Code')
begin
  DROP INDEX t_Sample.ix_t_Sample_Code
end
create index ix_t_Sample_Code on t_Sample (FCode)
-- 币别

drop table t_Currency

create table t_Currency(
  FCurrencyID    int    not null    ,
  FNumber    varchar(80)    not null    ,
  FName    nvarchar(80)    not null    ,
  FSymbol    nchar(4)    null    ,
  FScale    tinyint    not null    default (2),
  FExchangeRate    decimal(18,6)  not null    default (1),
  FDeleted    smallint    not null    default (0),
  constraint PK_T_CURRENCY primary key (FCurrencyID)
)

IF EXISTS (SELECT 1 FROM sysindexes WHERE name = 'UQ__t_Currenc__00142800')
begin
  DROP INDEX t_Currency.UQ__t_Currenc__00142800
end
create index UQ__t_Currenc__00142800 on t_Currency (FNumber)
-- 部门

drop table t_Department

create table t_Department(
  FItemID    int    identity    ,
  FNumber    varchar(80)    not null    default (''),
