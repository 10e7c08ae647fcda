photos_NV[<*i*>] = [];
<*strpic*>TypeA_NV[<*i*>] = <*Trans*>;
var <*name*> = SlideShow_NV.create(document.currentScript, "<*name*>", <*i*>);
