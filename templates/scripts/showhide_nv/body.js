<div class="showhide_nv" id="<*id string*>" data-section="<*id number*>">
<p class="showhide_nv-title"><button type="button" class="showhide_nv-button" id="<*id string*>_button" aria-expanded="false" aria-controls="<*id string*>_body"><span class="showhide_nv-marker" aria-hidden="true">+</span> <*link*></button></p>
<div class="showhide_nv-body" id="<*id string*>_body" role="region" aria-labelledby="<*id string*>_button">
<p>Replace this text with the content of the section.</p>
</div>
</div>