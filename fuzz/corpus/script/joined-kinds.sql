insert into t_A(a, b, c) values (1, 'x', N'中')
insert into t_A(a, b, c) values (-2.50, 'it''s' + char(13) + char(10) + 'y', null)
insert into t_A(a, b, c) values (1e3, cast('' as varchar(max)) + 'z', nchar(20013))
insert into [t B].dbo.[x]]y] values (0x00ff, null)
insert into [t B].dbo.[x]]y] values (null, 0x)
IF 1 = 1
BEGIN
insert t_A values (12345678901234567890123456789012345678, 'a
b', N'/* not a comment */')
END
delete from t_A -- done
