<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>NorvDesign</name>
    <message>
        <source>Norv系统模块列表</source>
        <translation>Norv System Modules</translation>
    </message>
    <message>
        <source>读取列表错误:</source>
        <translation>Error reading the list: </translation>
    </message>
    <message>
        <source>顺序号</source>
        <translation>Seq.</translation>
    </message>
    <message>
        <source>字段名称</source>
        <translation>Field Name</translation>
    </message>
    <message>
        <source>字段描述</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>字段备注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>字段类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>字段长度</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>字段精度</source>
        <translation>Precision</translation>
    </message>
    <message>
        <source>小数位数</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>允许为空</source>
        <translation>Nullable</translation>
    </message>
    <message>
        <source>索引名称</source>
        <translation>Index Name</translation>
    </message>
    <message>
        <source>索引描述</source>
        <translation>Index Description</translation>
    </message>
    <message>
        <source>包含的字段</source>
        <translation>Fields Included</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Corvane提示</source>
        <translation>Corvane Notice</translation>
    </message>
    <message>
        <source>Norv字段描述查询工具</source>
        <translation>Norv Field Description Browser</translation>
    </message>
    <message>
        <source>Norv单据描述表</source>
        <translation>Norv Document Descriptions</translation>
    </message>
    <message>
        <source>账套名称:[</source>
        <translation>Account: [</translation>
    </message>
    <message>
        <source>]的内容</source>
        <translation>] Contents</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>查找(&amp;F)</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>表代码(&amp;D):</source>
        <translation>Table Co&amp;de:</translation>
    </message>
    <message>
        <source>表名称(&amp;N):</source>
        <translation>Table &amp;Name:</translation>
    </message>
    <message>
        <source>请至少输入一个查找项目！</source>
        <translation>Please enter at least one search item.</translation>
    </message>
    <message>
        <source>没有查询到满足条件项目!</source>
        <translation>No matching items were found.</translation>
    </message>
    <message>
        <source>查找已经完成.</source>
        <translation>The search is finished.</translation>
    </message>
    <message>
        <source>输入有误,请重新输入</source>
        <translation>Invalid input, please enter it again.</translation>
    </message>
    <message>
        <source>查找表或字段</source>
        <translation>Find tables or fields</translation>
    </message>
    <message>
        <source>子系统</source>
        <translation>Subsystem</translation>
    </message>
    <message>
        <source>表代码</source>
        <translation>Table Code</translation>
    </message>
    <message>
        <source>表号</source>
        <translation>Table ID</translation>
    </message>
    <message>
        <source>表名称</source>
        <translation>Table Name</translation>
    </message>
    <message>
        <source>差异</source>
        <translation>Drift</translation>
    </message>
    <message>
        <source>表不存在</source>
        <translation>Described table does not exist</translation>
    </message>
    <message>
        <source>表没有描述</source>
        <translation>Table not described</translation>
    </message>
    <message>
        <source>字段不存在</source>
        <translation>Described field is not a column</translation>
    </message>
    <message>
        <source>字段没有描述</source>
        <translation>Column without description</translation>
    </message>
    <message>
        <source>差异数:</source>
        <translation>Differences:</translation>
    </message>
    <message>
        <source>字段查找</source>
        <translation>Field Search</translation>
    </message>
    <message>
        <source>字段名称或描述(&amp;S):</source>
        <translation>Field name or de&amp;scription:</translation>
    </message>
    <message>
        <source>复制为SELECT</source>
        <translation>Copy as SELECT</translation>
    </message>
    <message>
        <source>复制字段列表</source>
        <translation>Copy field list</translation>
    </message>
    <message>
        <source>导出数据字典…</source>
        <translation>Export dictionary…</translation>
    </message>
    <message>
        <source>导出数据字典</source>
        <translation>Export dictionary</translation>
    </message>
    <message>
        <source>文本文件</source>
        <translation>Text files</translation>
    </message>
    <message>
        <source>数据字典已导出, 以下表读取失败:</source>
        <translation>The dictionary was exported, but these tables could not be read:</translation>
    </message>
    <message>
        <source>数据字典已导出到:</source>
        <translation>The dictionary was exported to:</translation>
    </message>
    <message>
        <source>已复制到剪贴板</source>
        <translation>Copied to the clipboard</translation>
    </message>
    <message>
        <source>找到 %1 个字段</source>
        <translation>%1 fields found</translation>
    </message>
    <message>
        <source>查找表 (Ctrl+F, 下一个: F3)</source>
        <translation>Find a table (Ctrl+F, next: F3)</translation>
    </message>
    <message>
        <source>字段查找 (Ctrl+L)</source>
        <translation>Field search (Ctrl+L)</translation>
    </message>
    <message>
        <source>读取目录视图</source>
        <translation>reading the catalogue views</translation>
    </message>
    <message>
        <source>读取兼容性视图</source>
        <translation>reading the legacy compatibility views</translation>
    </message>
    <message>
        <source>未归类的表</source>
        <translation>Tables without a subsystem</translation>
    </message>
    <message>
        <source>没有索引</source>
        <translation>No indexes</translation>
    </message>
    <message>
        <source>显示或隐藏目录</source>
        <translation>Show or hide the table list</translation>
    </message>
    <message>
        <source>拖动以调整目录宽度</source>
        <translation>Drag to resize the table list</translation>
    </message>
</context>
</TS>
