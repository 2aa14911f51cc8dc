-- 示例表: every column type, quotes, blanks, empty texts, NULLs

delete from t_Sample 

set identity_insert t_Sample on

insert into t_Sample(
FID,FSmall,FTiny,FBig,FFlag,FDecimal,FNumeric,FMoney,FSmallMoney,FFloat,FReal,FDateTime,FSmallDate,FDateTime2,FDate,FTime,FCode,FNCode,FName,FNName,FMemo,FNMemo,FText,FNText,FBinary,FVarBinary,FImage,FGUID,FNote) values(1,1,2,9223372036854775807,1,123456789012345678,1234.5678,1234.56,12.5,0.1,1.5,'2024-01-31T08:05:09.123','2024-01-31T08:05:00.000','2024-01-31T08:05:09.1234567','2024-01-31','08:05:09.0000000','A001',N'甲001','O''Hara',N'𠀀😀 示例','first line
second line',N'第一行
第二行','It''s ''quoted''',N'中文文本 𠀀',0x00FF10AB00000000,0x00FF10,0x89504E470D0A1A0A,'6F9619FF-8B86-D011-B42D-00C04FC964FF',N'普通行')
insert into t_Sample(
FID,FSmall,FTiny,FBig,FFlag,FDecimal,FNumeric,FMoney,FSmallMoney,FFloat,FReal,FDateTime,FSmallDate,FDateTime2,FDate,FTime,FCode,FNCode,FName,FNName,FMemo,FNMemo,FText,FNText,FBinary,FVarBinary,FImage,FGUID,FNote) values(2,0,null,null,0,0,0,0,0,0,0,null,null,null,null,null,'',N'','',N'','',N'','',N'',null,0x,0x,null,N'')
insert into t_Sample(
FID,FSmall,FTiny,FBig,FFlag,FDecimal,FNumeric,FMoney,FSmallMoney,FFloat,FReal,FDateTime,FSmallDate,FDateTime2,FDate,FTime,FCode,FNCode,FName,FNName,FMemo,FNMemo,FText,FNText,FBinary,FVarBinary,FImage,FGUID,FNote) values(3,0,null,null,0,null,null,null,null,null,null,null,null,null,null,null,'   ',N'   ','   ',N'   ','   ',N'   ','   ',N'   ',null,null,null,null,N'   ')
insert into t_Sample(
FID,FSmall,FTiny,FBig,FFlag,FDecimal,FNumeric,FMoney,FSmallMoney,FFloat,FReal,FDateTime,FSmallDate,FDateTime2,FDate,FTime,FCode,FNCode,FName,FNName,FMemo,FNMemo,FText,FNText,FBinary,FVarBinary,FImage,FGUID,FNote) values(4,0,null,null,0,null,null,null,null,null,null,null,null,null,null,null,'',null,'',null,null,null,null,null,null,null,null,null,null)
insert into t_Sample(
FID,FSmall,FTiny,FBig,FFlag,FDecimal,FNumeric,FMoney,FSmallMoney,FFloat,FReal,FDateTime,FSmallDate,FDateTime2,FDate,FTime,FCode,FNCode,FName,FNName,FMemo,FNMemo,FText,FNText,FBinary,FVarBinary,FImage,FGUID,FNote) values(5,-32768,255,-9223372036854775808,1,12345678.0123456,-99999999.9999,-1234.5,-0.01,1e+300,-3.5,'1900-01-01T00:00:00.000','1900-01-01T00:00:00.000','0001-01-01T00:00:00.0000000','9999-12-31','23:59:59.9970000','Z999',N'O''Brien',' lead and trail ',N' 前后有空格 ','tab	inside',N'引号''和''双引号"','''',N'''''',0x0000000000000000,0x0000,0x00,'00000000-0000-0000-0000-000000000000',N'😀')
insert into t_Sample(
