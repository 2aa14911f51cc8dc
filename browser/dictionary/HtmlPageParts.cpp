#include "HtmlPageParts.h"

namespace htmlpage {

const char* const kStyle = R"css(
*{box-sizing:border-box}
body{margin:0;font:14px/1.45 "Noto Sans CJK SC","Noto Sans CJK TC","Microsoft YaHei",SimSun,sans-serif;color:#1d2733;background:#f4f6f8}
header{position:sticky;top:0;z-index:2;display:flex;flex-wrap:wrap;gap:6px 18px;align-items:center;padding:10px 18px;background:#25507a;color:#fff;box-shadow:0 1px 4px rgba(0,0,0,.25)}
header h1{margin:0;font-size:18px;font-weight:600}
header .account{opacity:.85}
header input{margin-left:auto;width:min(360px,100%);padding:6px 10px;border:0;border-radius:4px;font:inherit}
.layout{display:flex;align-items:flex-start}
nav{position:sticky;top:52px;flex:0 0 280px;max-height:calc(100vh - 52px);overflow:auto;padding:10px 8px 10px 14px;background:#fff;border-right:1px solid #d5dbe1}
nav ul{list-style:none;margin:0;padding-left:14px}
nav>ul{padding-left:0}
nav li{white-space:nowrap}
nav .node{font-weight:600;color:#25507a}
nav a{color:#1d2733;text-decoration:none}
nav a:hover{text-decoration:underline}
main{flex:1;min-width:0;padding:8px 18px 40px}
h2.subsystem{margin:22px 0 6px;padding-bottom:4px;border-bottom:2px solid #25507a;color:#25507a;font-size:17px}
section.table{margin:12px 0 18px;padding:10px 12px;background:#fff;border:1px solid #d5dbe1;border-radius:4px}
section.table h3{margin:0 0 8px;font-size:15px}
.message{color:#a33;margin:4px 0}
table{border-collapse:collapse;width:100%;margin:6px 0}
th,td{padding:3px 8px;border:1px solid #dfe4e9;text-align:left;vertical-align:top}
th{background:#e9eef3;font-weight:600;white-space:nowrap}
tbody tr:nth-child(even){background:#f8fafb}
td.number{text-align:right}
.summary{margin:10px 0;font-weight:600}
#nothing{display:none;margin:24px 0;color:#a33}
#nothing.shown{display:block}
[hidden]{display:none !important}
)css";

// Filters as one types: a table whose name or caption holds the text shows every row; any other
// table shows only the rows that hold it in their searched cells (data-search: the cells' indexes),
// and is left out when none does. The text goes into the address as #search=TEXT and is read
// back from there on load; an address that is no valid escape (#search=%) gives its text as typed.
const char* const kScript = R"js(
(function(){
  var box=document.getElementById('search');
  var sections=Array.prototype.slice.call(document.querySelectorAll('.searchable'));
  var groups=Array.prototype.slice.call(document.querySelectorAll('.group'));
  function has(text,wanted){return text.toLowerCase().indexOf(wanted)>=0;}
  function rowMatches(row,wanted){
    var cells=row.cells,which=(row.parentNode.parentNode.getAttribute('data-search')||'').split(',');
    for(var i=0;i<which.length;i++){var c=cells[+which[i]];if(c&&has(c.textContent,wanted))return true;}
    return false;
  }
  function apply(text){
    var wanted=text.trim().toLowerCase(),shown=0;
    sections.forEach(function(section){
      var whole=!wanted||has(section.getAttribute('data-name')||'',wanted),any=whole;
      Array.prototype.forEach.call(section.querySelectorAll('tbody tr'),function(row){
        var visible=whole||rowMatches(row,wanted);
        if(visible){row.removeAttribute('hidden');any=true;}else{row.setAttribute('hidden','');}
      });
      if(any){section.removeAttribute('hidden');shown++;}else{section.setAttribute('hidden','');}
      var link=document.getElementById('nav-'+section.id);
      if(link){if(any)link.removeAttribute('hidden');else link.setAttribute('hidden','');}
    });
    groups.forEach(function(group){
      var open=group.querySelector('.searchable:not([hidden])');
      if(open)group.removeAttribute('hidden');else group.setAttribute('hidden','');
    });
    document.getElementById('nothing').className=shown||!sections.length?'':'shown';
  }
  function fromAddress(){
    var m=/^#search=(.*)$/.exec(location.hash);
    if(!m)return '';
    var text=m[1].replace(/\+/g,' ');
    try{return decodeURIComponent(text);}catch(e){return text;}
  }
  box.addEventListener('input',function(){
    apply(box.value);
    var url=location.pathname+location.search+(box.value?'#search='+encodeURIComponent(box.value):'');
    try{history.replaceState(null,'',url);}catch(e){}
  });
  window.addEventListener('hashchange',function(){box.value=fromAddress();apply(box.value);});
  box.value=fromAddress();
  apply(box.value);
})();
)js";

}  // namespace htmlpage
