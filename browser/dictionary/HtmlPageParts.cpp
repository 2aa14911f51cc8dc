#include "HtmlPageParts.h"

namespace htmlpage {

const char* const kStyle = R"css(
*{box-sizing:border-box}
body{margin:0;font:14px/1.45 "Noto Sans CJK SC","Noto Sans CJK TC","Microsoft YaHei",SimSun,sans-serif;color:#1d2733;background:#f4f6f8}
header{position:sticky;top:0;z-index:2;display:flex;flex-wrap:wrap;gap:6px 18px;align-items:center;min-height:52px;padding:10px 18px;background:#25507a;color:#fff;box-shadow:0 1px 4px rgba(0,0,0,.25)}
header h1{margin:0;font-size:18px;font-weight:600;white-space:nowrap}
header .account{opacity:.85;white-space:nowrap}
header input{margin-left:auto;width:min(360px,100%);padding:6px 10px;border:0;border-radius:4px;font:inherit}
#toggle{margin:0 -6px 0 -8px;padding:3px 8px;border:0;border-radius:4px;background:none;color:#fff;font-size:19px;line-height:1;cursor:pointer}
#toggle:hover,#toggle:focus-visible{background:rgba(255,255,255,.18);outline:none}
.layout{display:flex;align-items:flex-start}
nav{position:sticky;top:52px;flex:none;width:340px;min-width:120px;max-width:80vw;height:calc(100vh - 52px);overflow:auto;padding:10px 8px 16px 12px;background:#fff}
#splitter{position:sticky;top:52px;flex:none;width:5px;height:calc(100vh - 52px);background:#fff;border-left:1px solid #d5dbe1;cursor:col-resize;touch-action:none}
#splitter:hover,#splitter:focus-visible,#splitter.dragging{background:#b8cbe0;outline:none}
.nav-closed nav,.nav-closed #splitter{display:none}
nav ul{list-style:none;margin:0;padding:0}
nav li{padding-left:14px;text-indent:-14px;overflow-wrap:anywhere}
nav .node{font-weight:600;color:#25507a}
nav a{color:#1d2733;text-decoration:none}
nav a:hover{text-decoration:underline}
main{flex:1;min-width:0;padding:8px 18px 40px}
h2.subsystem{margin:22px 0 6px;padding-bottom:4px;border-bottom:2px solid #25507a;color:#25507a;font-size:17px}
section.table{margin:12px 0 18px;padding:10px 12px;background:#fff;border:1px solid #d5dbe1;border-radius:4px}
section.table:not(.built){min-height:calc(44px + var(--lines,0) * 28px)}
section.table.built{content-visibility:auto;contain-intrinsic-block-size:auto 240px}
section.table h3{margin:0 0 8px;font-size:15px}
.message{color:#a33;margin:4px 0}
.empty{margin:4px 0 8px;color:#5b6876;font-style:italic}
table{border-collapse:collapse;width:100%;margin:6px 0}
th,td{padding:3px 8px;border:1px solid #dfe4e9;text-align:left;vertical-align:top}
th{background:#e9eef3;font-weight:600;white-space:nowrap}
tbody tr:nth-child(even){background:#f8fafb}
th.number,td.number{text-align:right;font-variant-numeric:tabular-nums}
mark{padding:0 1px;border-radius:2px;background:#ffe27a;color:inherit}
.summary{margin:10px 0;font-weight:600}
#nothing{display:none;margin:24px 0;color:#a33}
#nothing.shown{display:block}
[hidden]{display:none !important}
)css";

// The lists' rows come as data (the "lists" element): a section gets its tables when it comes
// near the screen, or at once when it is among the first a search leaves. The search works on
// the data: a table whose name or caption holds the text shows every row; any other table shows
// only the rows that hold it in their searched cells, and is left out when none does. Matches are
// marked. The text goes into the address as #search=TEXT and is read back from there on load; an
// address that is no valid escape (#search=%) gives its text as typed. The tree's width and
// whether it is shown are kept in the browser's storage when it allows.
const char* const kScript = R"js(
(function(){
  var box=document.getElementById('search');
  // The rows are kept as parsed; their text leaves the document.
  var source=document.getElementById('lists'),data=JSON.parse(source.textContent);
  source.parentNode.removeChild(source);
  var sections=Array.prototype.slice.call(document.querySelectorAll('section.searchable'));
  var groups=Array.prototype.slice.call(document.querySelectorAll('.group'));
  var kinds=data.lists.map(function(list){
    var searched=[],numbers=[];
    list.search.forEach(function(c){searched[c]=true;});
    list.numbers.forEach(function(c){numbers[c]=true;});
    return {list:list,searched:searched,numbers:numbers};
  });
  var names=[],links=[],lowered=[],built=[],kept=[],wanted='',firstBuilt=12;
  var treeItems=Array.prototype.slice.call(document.querySelectorAll('#tree li'));
  sections.forEach(function(section,at){
    section.tabrixAt=at;
    names.push((section.getAttribute('data-name')||'').toLowerCase());
    links.push(document.getElementById('nav-'+section.id));
  });
  var observer=new IntersectionObserver(function(entries){
    entries.forEach(function(entry){if(entry.isIntersecting)build(entry.target.tabrixAt);});
  },{rootMargin:'800px 0px'});
  sections.forEach(function(section){observer.observe(section);});

  // The text with each match in a mark; a text whose lower case is of another length (a few
  // letters) is shown unmarked rather than marked in the wrong place.
  function write(element,text,markable){
    var lower=markable&&wanted?text.toLowerCase():'';
    if(!lower||lower.length!==text.length||lower.indexOf(wanted)<0){element.textContent=text;return;}
    element.textContent='';
    for(var from=0,at;(at=lower.indexOf(wanted,from))>=0;from=at+wanted.length){
      if(at>from)element.appendChild(document.createTextNode(text.slice(from,at)));
      element.appendChild(document.createElement('mark')).textContent=text.slice(at,at+wanted.length);
    }
    if(from<text.length)element.appendChild(document.createTextNode(text.slice(from)));
  }
  // Each list's rows as their searched cells in lower case, made once for a table.
  function searchedTexts(at){
    if(!lowered[at])lowered[at]=data.tables[at].map(function(rows,l){
      var which=data.lists[l].search;
      return (rows||[]).map(function(cells){return which.map(function(c){return cells[c].toLowerCase();});});
    });
    return lowered[at];
  }
  // The rows the search leaves of each list, or null for every row.
  function filter(at){
    if(!wanted||names[at].indexOf(wanted)>=0)return null;
    return searchedTexts(at).map(function(rows){
      var left=[];
      rows.forEach(function(texts,r){if(texts.some(function(t){return t.indexOf(wanted)>=0;}))left.push(r);});
      return left;
    });
  }
  function table(kind,rows,left){
    var element=document.createElement('table'),head=element.createTHead().insertRow(),body=element.createTBody();
    element.className=kind.list.kind;
    kind.list.captions.forEach(function(caption,c){
      var cell=head.appendChild(document.createElement('th'));
      cell.textContent=caption;
      if(kind.numbers[c])cell.className='number';
    });
    (left||rows.map(function(row,r){return r;})).forEach(function(r){
      var line=body.insertRow();
      rows[r].forEach(function(text,c){
        var cell=line.insertCell();
        if(kind.numbers[c])cell.className='number';
        write(cell,text,kind.searched[c]);
      });
    });
    return element;
  }
  function build(at){
    if(built[at])return;
    built[at]=true;
    var section=sections[at],heading=section.querySelector('h3'),holder=document.createElement('div');
    if(heading)write(heading,heading.textContent,true);
    holder.className='lists';
    data.tables[at].forEach(function(rows,l){
      var kind=kinds[l],left=kept[at]&&kept[at][l];
      if(!rows||(left&&!left.length))return;
      if(!rows.length&&kind.list.empty){
        holder.appendChild(document.createElement('p')).className='empty';
        holder.lastChild.textContent=kind.list.empty;
      }else{
        holder.appendChild(table(kind,rows,left));
      }
    });
    section.appendChild(holder);
    section.classList.add('built');
    observer.unobserve(section);
  }
  function unbuild(at){
    var section=sections[at],heading=section.querySelector('h3');
    built[at]=false;
    section.removeChild(section.querySelector('.lists'));
    section.classList.remove('built');
    if(heading)heading.textContent=heading.textContent;
    observer.observe(section);
  }
  function apply(text){
    wanted=text.trim().toLowerCase();
    var shown=[];
    sections.forEach(function(section,at){
      if(built[at])unbuild(at);
      kept[at]=filter(at);
      var any=!kept[at]||kept[at].some(function(left){return left.length>0;});
      section.hidden=!any;
      if(links[at])links[at].hidden=!any;
      if(any)shown.push(at);
    });
    groups.forEach(function(group){group.hidden=!group.querySelector('.searchable:not([hidden])');});
    // In the tree, a subsystem goes with its last table a search leaves out, and so does a table
    // the page has no section for.
    treeItems.forEach(function(li){
      if(!li.id)li.hidden=wanted!==''&&!li.querySelector('li[id^="nav-"]:not([hidden])');
    });
    document.getElementById('nothing').className=shown.length||!sections.length?'':'shown';
    shown.slice(0,firstBuilt).forEach(build);
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
  // The table the address names (a link of the tree, a bookmark) is made at once, not when the
  // observer next runs, so that it is there when the page arrives at it.
  function buildNamed(){
    var id='';
    try{id=decodeURIComponent(location.hash.slice(1));}catch(e){return;}
    var target=id?document.getElementById(id):null;
    if(target&&target.tabrixAt!==undefined&&!target.hidden&&!built[target.tabrixAt])build(target.tabrixAt);
  }
  // A link of the tree changes the address too; only a search in it changes the search.
  window.addEventListener('hashchange',function(){
    if(location.hash&&!/^#search=/.test(location.hash)){buildNamed();return;}
    box.value=fromAddress();
    apply(box.value);
  });
  box.value=fromAddress();
  apply(box.value);
  buildNamed();

  function stored(name){try{return localStorage.getItem('tabrix.dictionary.'+name);}catch(e){return null;}}
  function store(name,value){try{localStorage.setItem('tabrix.dictionary.'+name,value);}catch(e){}}
  var toggle=document.getElementById('toggle'),nav=document.getElementById('tree'),splitter=document.getElementById('splitter');
  function showTree(open){
    document.body.classList.toggle('nav-closed',!open);
    if(toggle)toggle.setAttribute('aria-expanded',String(open));
  }
  function widen(width){
    width=Math.round(Math.max(120,Math.min(width,window.innerWidth*0.8)));
    nav.style.width=width+'px';
    return width;
  }
  if(toggle){
    showTree(stored('closed')!=='1');
    toggle.addEventListener('click',function(){
      var open=document.body.classList.contains('nav-closed');
      showTree(open);
      store('closed',open?'0':'1');
    });
  }
  if(nav&&splitter){
    if(+stored('width')>0)widen(+stored('width'));
    splitter.addEventListener('pointerdown',function(e){
      splitter.setPointerCapture(e.pointerId);
      splitter.classList.add('dragging');
      e.preventDefault();
    });
    splitter.addEventListener('pointermove',function(e){
      if(splitter.hasPointerCapture(e.pointerId))widen(e.clientX-nav.getBoundingClientRect().left);
    });
    splitter.addEventListener('pointerup',function(e){
      splitter.releasePointerCapture(e.pointerId);
      splitter.classList.remove('dragging');
      store('width',nav.offsetWidth);
    });
    splitter.addEventListener('keydown',function(e){
      var step={ArrowLeft:-20,ArrowRight:20}[e.key];
      if(!step)return;
      store('width',widen(nav.offsetWidth+step));
      e.preventDefault();
    });
  }
})();
)js";

}  // namespace htmlpage
