-- 示例表: every column type, quotes, blanks, empty texts, NULLs

delete from t_Sample 

set identity_insert t_Sample on

begin tran
insert into t_Sample(
FID,FSmall,FTiny,FBig,FFlag,FDecimal,FNumeric,FMoney,FSmallMoney,FFloat,FReal,FDateTime,FSmallDate,FDateTime2,FDate,FTime,FCode,FNCode,FName,FNName,FMemo,FNMemo,FText,FNText,FBinary,FVarBinary,FImage,FGUID,FNote) values(1,1,2,9223372036854775807,1,123456789012345678,1234.5678,1234.56,12.5,0.1,1.5,'2024-01-31T08:05:09.123','2024-01-31T08:05:00.000','2024-01-31T08:05:09.1234567','2024-01-31','08:05:09.0000000','A001',N'甲001','O''Hara',N'𠀀😀 示例','first line
second line',N'第一行
第二行','It''s ''quoted''',N'中文文本 𠀀',0x00FF10AB00000000,0x00FF10,0x89504E470D0A1A0A,'6F9619FF-8B86-D011-B42D-00C04FC964FF',N'普通行')
insert into t_Sample(
FID,FSmall,FTiny,FBig,FFlag,FDecimal,FNumeric,FMoney,FSmallMoney,FFloat,FReal,FDateTime,FSmallDate,FDateTime2,FDate,FTime,FCode,FNCode,FName,FNName,FMemo,FNMemo,FText,FNText,FBinary,FVarBinary,FImage,FGUID,FNote) values(2,0,null,null,0,0,0,0,0,0,0,null,null,null,null,null,'',N'','',N'','',N'','',N'',null,0x,0x,null,N'')
insert into t_Sample(
FID,FSmall,FTiny,FBig,FFlag,FDecimal,FNumeric,FMoney,FSmallMoney,FFloat,FReal,FDateTime,FSmallDate,FDateTime2,FDate,FTime,FCode,FNCode,FName,FNName,FMemo,FNMemo,FText,FNText,FBinary,FVarBinary,FImage,FGUID,FNote) values(3,0,null,null,0,null,null,null,null,null,null,null,null,null,null,null,'   ',N'   ','   ',N'   ','   ',N'   ','   ',N'   ',null,null,null,null,N'   ')
commit tran
begin tran
insert into t_Sample(
FID,FSmall,FTiny,FBig,FFlag,FDecimal,FNumeric,FMoney,FSmallMoney,FFloat,FReal,FDateTime,FSmallDate,FDateTime2,FDate,FTime,FCode,FNCode,FName,FNName,FMemo,FNMemo,FText,FNText,FBinary,FVarBinary,FImage,FGUID,FNote) values(4,0,null,null,0,null,null,null,null,null,null,null,null,null,null,null,'',null,'',null,null,null,null,null,null,null,null,null,null)
insert into t_Sample(
