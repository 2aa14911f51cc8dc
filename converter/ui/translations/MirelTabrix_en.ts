<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>RunProgress</name>
    <message>
        <source>表 %1/%2  %3</source>
        <translation>table %1 of %2  %3</translation>
    </message>
    <message>
        <source>%1 张表  %2 行  用时 %3</source>
        <translation>%1 tables, %2 rows, %3</translation>
    </message>
    <message>
        <source>  %1 张表已取消</source>
        <translation>, %1 cancelled</translation>
    </message>
    <message>
        <source>已用 %1</source>
        <translation>%1 elapsed</translation>
    </message>
    <message>
        <source>  </source>
        <comment>between the figures</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>表结构</source>
        <translation>structure</translation>
    </message>
    <message>
        <source>%1/%2 行</source>
        <translation>%1 of %2 rows</translation>
    </message>
    <message>
        <source>%1 行</source>
        <translation>%1 rows</translation>
    </message>
    <message>
        <source>%1 行/秒</source>
        <translation>%1 rows/s</translation>
    </message>
    <message>
        <source>剩余 %1</source>
        <translation>%1 left</translation>
    </message>
</context>
<context>
    <name>frmTemplate</name>
    <message>
        <source>采用模板导出</source>
        <translation>Export with a Template</translation>
    </message>
    <message>
        <source>导出基本信息</source>
        <translation>Export Files</translation>
    </message>
    <message>
        <source>模板文件:</source>
        <translation>Template:</translation>
    </message>
    <message>
        <source>结构文件:</source>
        <translation>Structure:</translation>
    </message>
    <message>
        <source>数据文件:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>记录文件:</source>
        <translation>Log:</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>操作中,不能更改基本信息!</source>
        <translation>An export is running: the files cannot be changed now!</translation>
    </message>
    <message>
        <source>模板文件不能为空!</source>
        <translation>The template file cannot be empty!</translation>
    </message>
    <message>
        <source>校验错误,如下:</source>
        <translation>The template is not valid:</translation>
    </message>
    <message>
        <source>结构文件和数据文件不能都为空!</source>
        <translation>The structure file and the data file cannot both be empty!</translation>
    </message>
    <message>
        <source>以下输出文件无法打开,未导出任何内容:</source>
        <translation>These output files cannot be opened; nothing was exported:</translation>
    </message>
    <message>
        <source>无法导出服务器 %1 的数据库 %2:</source>
        <translation>Cannot export database %2 of server %1:</translation>
    </message>
    <message>
        <source>已停止</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>%1 张表导出失败</source>
        <translation>%1 table(s) failed</translation>
    </message>
    <message>
        <source>%1 次写入失败</source>
        <translation>%1 write(s) failed</translation>
    </message>
    <message>
        <source>处理完毕.....</source>
        <translation>Done.....</translation>
    </message>
    <message>
        <source>,</source>
        <comment>between the parts of the outcome</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>打开记录文件</source>
        <translation>Open the log</translation>
    </message>
    <message>
        <source>无法打开记录文件:</source>
        <translation>Cannot open the log file:</translation>
    </message>
    <message>
        <source>有 %1 次写入失败,以下文件不完整:</source>
        <translation>%1 write(s) failed; these files are incomplete:</translation>
    </message>
</context>
</TS>
