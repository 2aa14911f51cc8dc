<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>RunProgress</name>
    <message>
        <source>表 %1/%2  %3</source>
        <translation>表 %1/%2  %3</translation>
    </message>
    <message>
        <source>%1 张表  %2 行  用时 %3</source>
        <translation>%1 張表  %2 行  用時 %3</translation>
    </message>
    <message>
        <source>  %1 张表已取消</source>
        <translation>  %1 張表已取消</translation>
    </message>
    <message>
        <source>已用 %1</source>
        <translation>已用 %1</translation>
    </message>
    <message>
        <source>  </source>
        <comment>between the figures</comment>
        <translation>  </translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>表结构</source>
        <translation>表結構</translation>
    </message>
    <message>
        <source>%1/%2 行</source>
        <translation>%1/%2 行</translation>
    </message>
    <message>
        <source>%1 行</source>
        <translation>%1 行</translation>
    </message>
    <message>
        <source>%1 行/秒</source>
        <translation>%1 行/秒</translation>
    </message>
    <message>
        <source>剩余 %1</source>
        <translation>剩餘 %1</translation>
    </message>
</context>
<context>
    <name>frmTemplate</name>
    <message>
        <source>采用模板导出</source>
        <translation>採用模板匯出</translation>
    </message>
    <message>
        <source>导出基本信息</source>
        <translation>匯出基本資訊</translation>
    </message>
    <message>
        <source>模板文件:</source>
        <translation>模板檔案:</translation>
    </message>
    <message>
        <source>结构文件:</source>
        <translation>結構檔案:</translation>
    </message>
    <message>
        <source>数据文件:</source>
        <translation>資料檔案:</translation>
    </message>
    <message>
        <source>记录文件:</source>
        <translation>記錄檔案:</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>操作中,不能更改基本信息!</source>
        <translation>操作中,不能變更基本資訊!</translation>
    </message>
    <message>
        <source>模板文件不能为空!</source>
        <translation>模板檔案不能為空!</translation>
    </message>
    <message>
        <source>校验错误,如下:</source>
        <translation>校驗錯誤,如下:</translation>
    </message>
    <message>
        <source>结构文件和数据文件不能都为空!</source>
        <translation>結構檔案和資料檔案不能都為空!</translation>
    </message>
    <message>
        <source>以下输出文件无法打开,未导出任何内容:</source>
        <translation>以下輸出檔案無法開啟,未匯出任何內容:</translation>
    </message>
    <message>
        <source>无法导出服务器 %1 的数据库 %2:</source>
        <translation>無法匯出伺服器 %1 的資料庫 %2:</translation>
    </message>
    <message>
        <source>已停止</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>%1 张表导出失败</source>
        <translation>%1 張表匯出失敗</translation>
    </message>
    <message>
        <source>%1 次写入失败</source>
        <translation>%1 次寫入失敗</translation>
    </message>
    <message>
        <source>处理完毕.....</source>
        <translation>處理完畢.....</translation>
    </message>
    <message>
        <source>,</source>
        <comment>between the parts of the outcome</comment>
        <translation>,</translation>
    </message>
    <message>
        <source>打开记录文件</source>
        <translation>開啟記錄檔案</translation>
    </message>
    <message>
        <source>无法打开记录文件:</source>
        <translation>無法開啟記錄檔案:</translation>
    </message>
    <message>
        <source>有 %1 次写入失败,以下文件不完整:</source>
        <translation>有 %1 次寫入失敗,以下檔案不完整:</translation>
    </message>
</context>
</TS>
